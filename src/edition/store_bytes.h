// The bytes under the records: named items in one place (files in the
// settings folder on the desktop, keys of the browser's storage), each read
// whole, replaced in one step, kept aside, removed. Each edition gives its
// own; the policy over them (edition/records_store.h) is the same for both.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace fw {

// What a name holds: nothing, an ordinary item, or something else (a folder,
// a FIFO, a device, a link), which is never read or written through.
enum class ItemKind { Missing, Item, Other };

struct ItemRead {
    enum class State { Missing, Read, NotAFile, Unreadable };
    State state = State::Missing;
    std::string bytes;  // Read: at most the limit asked for and one byte more
    std::string words;  // NotAFile: what is there ("a FIFO (a named pipe)"); Unreadable: the system's words
};

// Why a write failed: its kind, and the item with the system's words
// ("/home/ann/.config/Fruitwhirl/Fruitwhirl.ini: No space left on device").
struct ByteFault {
    enum class Kind { Full, Quota, ReadOnlyDisk, NotAllowed, NotAFile, Other };
    Kind kind = Kind::Other;
    std::string words;
};

// How an edition names its place in the player's messages.
struct PlaceWords {
    std::string
        place;  // the place of the items: "the settings folder \"/home/ann/...\"", "the browser's storage"
    std::string medium;  // what fills up or fails: "the disk", "the browser's storage"
    std::string within;  // after an item's quoted name: "", " in the browser's storage"
};

// Whether the place takes a new item, and the item there may be replaced.
struct Writability {
    std::string place;      // the system's words why the place takes nothing, or ""
    bool readOnly = false;  // the item is there and may not be written
};

class StoreBytes {
public:
    virtual ~StoreBytes() = default;
    virtual PlaceWords Words() const = 0;
    // An item as the player finds it: a path, a key.
    virtual std::string Shown(const std::string& name) const = 0;
    // Makes the place ready for the items of these names (and clears away what
    // writes of them that were killed left behind); what stops it from holding
    // them at all, as said after the place ("cannot be made"), or "".
    virtual std::string Prepare(const std::vector<std::string>& names) = 0;
    virtual ItemKind Kind(const std::string& name) = 0;
    // The item's bytes, at most limit and one more.
    virtual ItemRead Read(const std::string& name, std::size_t limit) = 0;
    // Puts bytes in the item's place in one step (through a link to an
    // ordinary item), read back before it counts; on a failure the old item
    // stays as it was.
    virtual bool Replace(const std::string& name, const std::string& bytes, ByteFault& fault) = 0;
    // Keeps the item as it is under the name aside, never over anything there:
    // a copy, read back, or the item itself moved there, whatever it is.
    virtual bool KeepAside(const std::string& name, const std::string& aside, bool move,
                           ByteFault& fault) = 0;
    virtual void Remove(const std::string& name) = 0;
    virtual Writability Probe(const std::string& name) = 0;
};

}  // namespace fw
