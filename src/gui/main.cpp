// ravlet: the desktop program.
#include <iostream>

int main() {
    std::cout << "ravlet\n";
    return 0;
}
