// TEMPORARY: lets the tree configure before the CLI lands on main. Delete when main is merged.
int main() {
    return 0;
}
