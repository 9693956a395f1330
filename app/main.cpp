#include "app/Platform.h"

int main() { return qor::RunGame(); }
