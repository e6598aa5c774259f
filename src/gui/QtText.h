#pragma once
// The system's byte texts and Qt's strings: the local code page both ways.
#include <QString>
#include <string>

namespace ravlet::gui {

inline QString Q(const std::string& text) {
    return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string S(const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// Texts of the logic end their lines with CR LF; text boxes want LF alone.
inline QString QLines(const std::string& text) {
    QString q = Q(text);
    q.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return q;
}

}  // namespace ravlet::gui
