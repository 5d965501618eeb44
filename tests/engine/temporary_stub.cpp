// TEMPORARY: lets the tree configure before the engine tests land. Delete when main is merged.
