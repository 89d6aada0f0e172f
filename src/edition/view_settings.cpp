#include "edition/view_settings.h"

#include <charconv>
#include <string>

namespace fw {

namespace {

constexpr const char* kSection = "Window";

}  // namespace

ViewSettings LoadViewSettings(SettingsStore& store, int largest, bool captionsAtFirst) {
    ViewSettings view;
    const std::string scale = store.GetSetting(kSection, "Scale", "");
    int value = 0;
    const auto [end, error] = std::from_chars(scale.data(), scale.data() + scale.size(), value);
    if (error == std::errc() && end == scale.data() + scale.size() && value >= 1 && value <= largest)
        view.scale = value;
    view.fullScreen = store.GetSetting(kSection, "FullScreen", "0") == "1";
    view.captions = store.GetSetting(kSection, "Captions", captionsAtFirst ? "1" : "0") == "1";
    view.hints = store.GetSetting(kSection, "Hints", "0") == "1";
    return view;
}

bool KeepViewSettings(SettingsStore& store, const ViewSettings& view) {
    if (view.scale > 0) store.SaveSetting(kSection, "Scale", std::to_string(view.scale));
    store.SaveSetting(kSection, "FullScreen", view.fullScreen ? "1" : "0");
    store.SaveSetting(kSection, "Captions", view.captions ? "1" : "0");
    store.SaveSetting(kSection, "Hints", view.hints ? "1" : "0");
    WriteFailure failure;
    return store.Flush(failure);
}

}  // namespace fw
