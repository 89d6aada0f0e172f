// The per-user settings store: string values addressed by application, section
// and key.
#pragma once

#include <string>

namespace fw {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored value, or fallback when the key is missing.
    virtual std::string GetSetting(const std::string& app, const std::string& section, const std::string& key,
                                   const std::string& fallback) = 0;
    virtual void SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                             const std::string& value) = 0;
    // Makes the saved values durable. On failure the store keeps what it held
    // before, and error says why.
    virtual bool Flush(std::string& error) = 0;
};

}  // namespace fw
