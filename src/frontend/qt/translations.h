// The player's language on the desktop: the program's catalogue of it
// (l10n/LANG.qm in the data folder, made by the build from po/LANG.po) and
// Qt's own (its standard buttons), through which both fw::Tr and the windows'
// QCoreApplication::translate find their words.
#pragma once

#include <QString>
#include <QTranslator>
#include <memory>
#include <string>
#include <vector>

namespace fw {

class Translations {
public:
    // folder: the data folder, which holds l10n/.
    explicit Translations(QString folder);
    ~Translations();

    // The language to speak for a choice of the configuration (0 the system's):
    // FRUITWHIRL_LANGUAGE, when set, names it for every choice ("pseudo" too, the
    // tests' pseudo-locale); else the choice, or the system's (LANGUAGE,
    // LC_ALL, LC_MESSAGES, LANG) among the catalogues there are.
    std::string CodeFor(int choice) const;
    // Speaks the language from now on ("en": the English the code is written in).
    // Once the application exists, its windows hear of the change.
    void Speak(const std::string& code);
    // Installs the catalogues in the application, once it exists.
    void Install();
    std::string Spoken() const { return spoken_; }
    // The languages of the catalogues in the folder ("de", ...; not the pseudo-locale).
    std::vector<std::string> Available() const;
    // file ("/usr/share/fruitwhirl/manual.txt") in the spoken language
    // ("manual.de.txt") when there is one, else file itself.
    std::string Translated(const std::string& file) const;

private:
    QString folder_;
    std::string spoken_ = "en";
    std::unique_ptr<QTranslator> game_;
    std::unique_ptr<QTranslator> qt_;
    bool installed_ = false;
};

}  // namespace fw
