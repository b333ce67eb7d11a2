#pragma once
// The program's version, as the resource script and the code state it. The build passes the
// numbers (QUILLET_VERSION and its parts, from the project version in CMakeLists.txt); the text is
// made here, since a quoted definition does not survive every resource compiler's command line.

#define QUILLET_STRINGIZE_(x) #x
#define QUILLET_STRINGIZE(x) QUILLET_STRINGIZE_(x)
#define QUILLET_VERSION_TEXT QUILLET_STRINGIZE(QUILLET_VERSION)
