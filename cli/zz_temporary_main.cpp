// TEMPORARY until main brings the command line program. Delete after merging main.
int main() { return 0; }
