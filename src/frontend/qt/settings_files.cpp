#include "frontend/qt/settings_files.h"

#include <QDir>
#include <QList>
#include <QRegularExpression>
#include <QStringDecoder>
#include <filesystem>

namespace fw {

namespace fs = std::filesystem;

QString NotAFile(const QString& path) {
    std::error_code ec;
    const fs::path p = path.toStdString();
    const fs::file_status link = fs::symlink_status(p, ec);
    if (link.type() == fs::file_type::not_found) return {};
    switch (fs::status(p, ec).type()) {
        case fs::file_type::regular:
            return {};
        case fs::file_type::directory:
            return "a folder";
        case fs::file_type::fifo:
            return "a FIFO (a named pipe)";
        case fs::file_type::character:
        case fs::file_type::block:
            return "a device";
        case fs::file_type::socket:
            return "a socket";
        case fs::file_type::not_found:
            return "a link to nothing";
        default:
            return "something that cannot be read";
    }
}

namespace {

// Why a line of a settings file cannot be read cleanly, or "" when it can.
// repaired gets the line as it can be read after all, when it can.
QString LineProblem(const QByteArray& line, QByteArray& repaired) {
    const QByteArray trimmed = line.trimmed();
    if (trimmed.isEmpty()) return {};
    for (const char c : line) {
        if ((c >= 0 && c < 0x20 && c != '\t') || c == 0x7f) return "holds bytes that are not text";
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString decoded = utf8(line);
    if (utf8.hasError()) return "holds bytes that are not text";
    if (trimmed.startsWith('#') || trimmed.startsWith(';')) return "is a comment";
    if (trimmed.startsWith('[')) {
        if (trimmed.endsWith(']')) return {};
        if (!trimmed.contains(']') && !trimmed.contains('=')) repaired = trimmed + ']';
        return "is a section name without its closing ']'";
    }
    const qsizetype equals = line.indexOf('=');
    if (equals <= 0 || line.left(equals).trimmed().isEmpty()) return "is not a setting";
    // A value runs on into the next line after an open quotation mark or a
    // backslash at its end.
    bool quoted = false;
    for (qsizetype i = equals + 1; i < line.size(); ++i) {
        if (line[i] == '\\') {
            if (++i == line.size()) return "runs on into the next line";
        } else if (line[i] == '"') {
            quoted = !quoted;
        }
    }
    if (quoted) return "has a quotation mark that is not closed";
    return {};
}

}  // namespace

CleanText CleanSettingsText(QByteArray bytes) {
    CleanText clean;
    if (bytes.startsWith("\xEF\xBB\xBF")) bytes.remove(0, 3);
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder utf16(bytes.startsWith("\xFF\xFE") ? QStringDecoder::Utf16LE
                                                          : QStringDecoder::Utf16BE);
        bytes = QString(utf16(bytes.mid(2))).toUtf8();
        clean.problem = "it is written in UTF-16";
    }
    // Lines end as any editor ends them: "\n", "\r\n", or "\r" alone (older Mac editors).
    bytes.replace("\r\n", "\n");
    bytes.replace('\r', '\n');
    int number = 0;
    for (const QByteArray& line : bytes.split('\n')) {
        ++number;
        QByteArray repaired;
        const QString problem = LineProblem(line, repaired);
        if (problem.isEmpty()) {
            clean.text += line + '\n';
            continue;
        }
        if (clean.problem.isEmpty()) clean.problem = QString("line %1 %2").arg(number).arg(problem);
        if (!repaired.isEmpty()) clean.text += repaired + '\n';
    }
    return clean;
}

QString AsideName(const QString& folder, const QString& extension) {
    const QString stem =
        folder + "/Fruitwhirl-damaged-" + QDateTime::currentDateTime().toString("yyyy-MM-dd-HHmmss");
    std::error_code ec;
    for (int n = 1;; ++n) {
        const QString name = stem + (n == 1 ? QString() : QString("-%1").arg(n)) + extension;
        if (fs::symlink_status(name.toStdString(), ec).type() == fs::file_type::not_found) return name;
    }
}

void RemoveLeftovers(const QString& folder, const QString& name, const QDateTime& since) {
    const QRegularExpression leftover("^" + QRegularExpression::escape(name) + "\\.[A-Za-z0-9]{6}$");
    const QDir dir(folder);
    for (const QFileInfo& entry : dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (entry.isSymLink() || !entry.isFile() || !leftover.match(entry.fileName()).hasMatch()) continue;
        if (entry.lastModified() < since) QFile::remove(entry.filePath());
    }
}

}  // namespace fw
