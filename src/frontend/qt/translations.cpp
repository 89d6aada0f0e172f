#include "frontend/qt/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <cstdlib>

#include "edition/language.h"
#include "platform/words.h"

namespace fw {

Translations::Translations(QString folder) : folder_(std::move(folder)) {}

Translations::~Translations() {
    // The catalogue reads the translator: it goes first.
    UseCatalogue({});
}

std::vector<std::string> Translations::Available() const {
    std::vector<std::string> codes;
    const QStringList files = QDir(folder_ + "/l10n").entryList({"*.qm"}, QDir::Files, QDir::Name);
    for (const QString& file : files) {
        const QString code = QFileInfo(file).completeBaseName();
        if (code != "pseudo") codes.push_back(code.toStdString());
    }
    return codes;
}

std::string Translations::CodeFor(int choice) const {
    if (const char* forced = std::getenv("FRUITWHIRL_LANGUAGE"); forced && *forced) return forced;
    return SpokenLanguage(choice, SystemLanguages(std::getenv), Available());
}

void Translations::Speak(const std::string& code) {
    if (code == spoken_ && (code == "en" || game_)) return;
    auto app = QCoreApplication::instance();
    if (installed_ && app) {
        if (game_) QCoreApplication::removeTranslator(game_.get());
        if (qt_) QCoreApplication::removeTranslator(qt_.get());
    }
    UseCatalogue({});
    game_.reset();
    qt_.reset();
    spoken_ = "en";
    if (code != "en") {
        auto game = std::make_unique<QTranslator>();
        if (game->load(folder_ + "/l10n/" + QString::fromStdString(code) + ".qm")) {
            game_ = std::move(game);
            spoken_ = code;
            // Qt's own words for its standard buttons, where Qt has the language.
            auto qt = std::make_unique<QTranslator>();
            if (qt->load("qtbase_" + QString::fromStdString(code),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
                qt_ = std::move(qt);
            const QTranslator* words = game_.get();
            UseCatalogue([words](const Phrase& phrase) -> std::optional<std::string> {
                const std::string context(phrase.context);
                const std::string english(phrase.english);
                const QString said =
                    words->translate(context.c_str(), english.c_str(), nullptr,
                                     phrase.plural.empty() ? -1 : static_cast<int>(phrase.count));
                if (said.isEmpty()) return std::nullopt;
                return said.toStdString();
            });
        }
    }
    if (installed_ && app) Install();
}

void Translations::Install() {
    installed_ = true;
    // Installing sends the windows a LanguageChange: they name everything afresh.
    if (qt_) QCoreApplication::installTranslator(qt_.get());
    if (game_) QCoreApplication::installTranslator(game_.get());
    if (!game_ && QCoreApplication::instance()) {
        // Back to English: the windows hear of it too.
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(QCoreApplication::instance(), &change);
    }
}

std::string Translations::Translated(const std::string& file) const {
    if (spoken_ == "en") return file;
    const QFileInfo info(QString::fromStdString(file));
    const QString translated = info.dir().filePath(info.completeBaseName() + "." +
                                                   QString::fromStdString(spoken_) + "." + info.suffix());
    return QFileInfo::exists(translated) ? translated.toStdString() : file;
}

}  // namespace fw
