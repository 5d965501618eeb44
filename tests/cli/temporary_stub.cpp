// TEMPORARY: lets the tree configure before the CLI tests land. Delete when main is merged.
