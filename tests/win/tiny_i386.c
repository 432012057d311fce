/* The smallest i386 program: its PE header is what the tests read. */
int main(void) { return 0; }
