#pragma once
// An INI file kept as Windows-1251 text lines, as the Windows profile functions
// read and write it. Settings files are shared with installations on Windows,
// so everything this program does not write (comments, unknown sections and
// keys, their order, blank lines, line ends) stays byte for byte as it was.
// Section and key names are case-insensitive; the first occurrence wins.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

namespace kv {

class IniFile
{
public:
    IniFile() = default;
    explicit IniFile(const QByteArray &content) { setContent(content); }

    // Reads path whole. A missing file gives an empty content and false;
    // an unreadable one throws kv::Error.
    bool load(const QString &path);
    // Writes the content whole, replacing the file only once everything was
    // written; throws kv::Error on failure.
    void save(const QString &path) const;

    void setContent(const QByteArray &content);
    QByteArray content() const;

    bool sectionExists(const QString &section) const;
    bool valueExists(const QString &section, const QString &key) const;
    QStringList sections() const;
    QStringList keys(const QString &section) const;

    // Values as the profile functions return them: blanks around removed and one
    // pair of enclosing quotes (double or single) stripped.
    QString readString(const QString &section, const QString &key, const QString &def = QString()) const;
    // Decimal or hexadecimal ("$1F", "0x1F"); def when absent or not a number.
    int readInteger(const QString &section, const QString &key, int def = 0) const;
    // Non-zero integer is true.
    bool readBool(const QString &section, const QString &key, bool def = false) const;
    // Accepts a point or a comma as decimal separator; def when absent or not a number.
    double readFloat(const QString &section, const QString &key, double def = 0.0) const;

    // An existing key keeps its place and spelling; a new key goes after the
    // last entry of its section; a new section goes to the end of the file.
    // Line breaks inside value become blanks (they would split the entry).
    void writeString(const QString &section, const QString &key, const QString &value);
    void writeInteger(const QString &section, const QString &key, int value);
    void writeBool(const QString &section, const QString &key, bool value);
    // Shortest text that reads back as the same double, with decimalSeparator.
    void writeFloat(const QString &section, const QString &key, double value, QChar decimalSeparator);
    // The same for a single-precision value: shortest text that reads back as that float.
    void writeSingle(const QString &section, const QString &key, float value, QChar decimalSeparator);

    // Texts of real numbers as writeFloat and writeSingle write them.
    static QString floatText(double value, QChar decimalSeparator);
    static QString singleText(float value, QChar decimalSeparator);
    // Parses a real written with a point or a comma; false when it is not one.
    static bool parseFloat(const QString &text, double *value);

private:
    struct Line
    {
        QByteArray text; // without the line end
        QByteArray end;  // "\r\n", "\n", "\r" or empty for the last line
    };
    int findSection(const QString &section) const;        // index of the header line, -1
    int findKey(int headerLine, const QString &key) const; // index of the entry line, -1
    int sectionEnd(int headerLine) const;                  // index after the section's last line
    static bool isHeader(const QByteArray &line, QString *name = nullptr);
    static bool isEntry(const QByteArray &line, QString *key = nullptr, QByteArray *rawKey = nullptr);
    const Line *findEntry(const QString &section, const QString &key) const;

    std::vector<Line> m_lines;
};

} // namespace kv
