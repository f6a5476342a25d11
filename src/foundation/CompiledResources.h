#pragma once

// The pictures compiled into the program live in the core library, which is
// static: the linker drops their registration unless someone refers to it.
// Every class that shows a compiled-in picture calls ensureLoaded() first.
class CompiledResources
{
public:
    // Registers the pictures once; later calls do nothing.
    static void ensureLoaded();
};
