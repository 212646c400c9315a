#include "AppRegistry.h"

int main(int argc, char** argv) {
    return RunRegisteredApp(argc, argv);
}
