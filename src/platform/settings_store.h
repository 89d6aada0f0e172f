// The per-user settings store: string values addressed by application, section
// and key, and beside them the record of the run under way.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace fw {

// Why a write failed: in a player's words, one text per kind of failure ("the
// disk is full"), what the player can do about it ("Free some space"), and the
// file with the system's own words ("/home/ann/.config/...: No space left on device").
// No remedy: nothing the player does will help before the next start.
struct WriteFailure {
    std::string reason;
    std::string remedy;
    std::string detail;
};

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // Examines the store before anything is read from it and returns what the
    // player must know about it, a paragraph each: a file that could not be
    // read cleanly and where its copy was kept, a file that is no file, a folder
    // that cannot be written. Asked once, at start-up.
    virtual std::vector<std::string> Open() = 0;
    // The stored value, or fallback when the key is missing.
    virtual std::string GetSetting(const std::string& section, const std::string& key,
                                   const std::string& fallback) = 0;
    virtual void SaveSetting(const std::string& section, const std::string& key,
                             const std::string& value) = 0;
    // Makes the saved values durable: true only when the store has been read
    // back holding them. On failure the store keeps what it held before, and
    // failure says why. Every call is a fresh attempt.
    virtual bool Flush(WriteFailure& failure) = 0;

    // The run record: a text kept in a file of its own beside the settings,
    // replaced in one step, so that a run that ends without a quit is not lost.
    // What a previous run left: nothing when there is no record; a record that
    // is there but cannot be read comes back as an empty text.
    virtual std::optional<std::string> ReadRunRecord() = 0;
    // A record that cannot be written whole leaves the previous one as it was.
    virtual bool WriteRunRecord(const std::string& text, WriteFailure& failure) = 0;
    virtual void RemoveRunRecord() = 0;
    // Moves the record aside under a name that says what it is and when, never
    // over an earlier one; returns where it went, or an empty text on failure.
    virtual std::string KeepRunRecordAside() = 0;
};

}  // namespace fw
