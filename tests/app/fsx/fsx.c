/* Stands in for the flight simulator: a process named fsx.exe that waits until it is ended. */
#include <windows.h>

int main(void) {
    Sleep(INFINITE);
    return 0;
}
