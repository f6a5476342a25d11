#pragma once

#include <fstream>
#include <string>

namespace google {
namespace protobuf {
class Message;
}
}

// The plane document's persistence: one implementation serves document files
// and the in-memory states of the undo history.
class SerializeableIf
{
public:
    // Tells the views why a document is being loaded, so that an undo step
    // can keep view state (camera, options) that a file load replaces.
    enum hint_t {
        FILE_LOAD = 0,
        UNDO_REDO = 1
    };

    virtual ~SerializeableIf() = default;

    // An empty target receives the encoded document itself; otherwise the
    // target names the file to write. File names are UTF-8, so that every
    // name the user can type reaches the file system unchanged.
    virtual bool save(std::string& target) = 0;
    virtual bool writeToStream(std::fstream& stream) = 0;
    virtual bool serializeToString(std::string* output) = 0;
    virtual bool load(const std::string& source, bool sourceIsFile, hint_t hint) = 0;
    virtual bool loadFromStream(std::fstream& stream, hint_t hint) = 0;
    virtual bool loadFromString(const std::string& data, hint_t hint) = 0;
};
