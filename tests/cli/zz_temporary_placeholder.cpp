// TEMPORARY placeholder until the command line tests exist. Delete after merging main.
