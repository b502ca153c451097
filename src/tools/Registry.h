#pragma once
// The registry: current-user keys written as "\SoftWare\Velmar\...". On Windows
// the native registry; elsewhere an INI file in the user's configuration
// directory, or the file named by the environment variable KARVELO_REGISTRY.
// Key names are case-insensitive, as on Windows.
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <memory>

namespace kv {

class RegistryKey
{
public:
    // Opens key; with create, a missing key is created. Returns nullptr when the
    // key does not exist and create is false.
    static std::unique_ptr<RegistryKey> open(const QString &key, bool create = false);
    static bool keyExists(const QString &key);
    static bool deleteKey(const QString &key);
    // Path of the backing INI file (empty on Windows).
    static QString backingFile();

    ~RegistryKey();

    QString path() const;
    bool valueExists(const QString &name) const;
    QString readString(const QString &name, const QString &def = QString()) const;
    int readInteger(const QString &name, int def = 0) const;
    bool readBool(const QString &name, bool def = false) const;
    QDateTime readDateTime(const QString &name, const QDateTime &def = QDateTime()) const;
    void writeString(const QString &name, const QString &value);
    void writeInteger(const QString &name, int value);
    void writeBool(const QString &name, bool value);
    void writeDateTime(const QString &name, const QDateTime &value);
    bool deleteValue(const QString &name);
    QStringList subKeys() const;
    QStringList valueNames() const;

private:
    struct Impl;
    explicit RegistryKey(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> d;
};

} // namespace kv
