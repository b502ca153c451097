#include "tools/Registry.h"

#include "tools/Errors.h"
#include "tools/OleDate.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QtEndian>
#include <algorithm>

#ifdef Q_OS_WIN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

namespace kv {

namespace {

#ifndef Q_OS_WIN
// An INI file keeps no empty groups, while a registry key exists until it is
// deleted. Every key created here holds this value, hidden from the callers,
// so that it survives having no values.
const QString kKeyMarker = QStringLiteral("~key~");
#endif

QStringList splitKey(const QString &key)
{
    // Both separators: QSettings cannot keep either inside a name.
    QString k = key;
    k.replace(u'/', u'\\');
    return k.split(u'\\', Qt::SkipEmptyParts);
}

QString joinGroup(const QString &group, const QString &name)
{
    return group.isEmpty() ? name : group + u'/' + name;
}

bool validValueName(const QString &name)
{
    if (name.isEmpty() || name.contains(u'/') || name.contains(u'\\'))
        return false;
#ifndef Q_OS_WIN
    if (name.compare(kKeyMarker, Qt::CaseInsensitive) == 0)
        return false;
#endif
    return true;
}

void sortCaseInsensitive(QStringList &names)
{
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
}

QString findIgnoringCase(const QStringList &names, const QString &name)
{
    for (const QString &n : names)
        if (n == name)
            return n;
    for (const QString &n : names)
        if (n.compare(name, Qt::CaseInsensitive) == 0)
            return n;
    return QString();
}

std::unique_ptr<QSettings> makeSettings()
{
#ifdef Q_OS_WIN
    return std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER"), QSettings::NativeFormat);
#else
    return std::make_unique<QSettings>(RegistryKey::backingFile(), QSettings::IniFormat);
#endif
}

QStringList childGroups(QSettings &s, const QString &group)
{
    s.beginGroup(group);
    QStringList out = s.childGroups();
    s.endGroup();
    return out;
}

QStringList childKeys(QSettings &s, const QString &group)
{
    s.beginGroup(group);
    QStringList out = s.childKeys();
    s.endGroup();
#ifndef Q_OS_WIN
    out.removeAll(kKeyMarker);
#endif
    return out;
}

// Walks the parts of a key through the stored spellings. Missing parts keep the
// caller's spelling; *missing tells whether any was.
QString resolveGroup(QSettings &s, const QStringList &parts, bool *missing)
{
    QString group;
    *missing = false;
    for (const QString &part : parts) {
        QString stored = *missing ? QString() : findIgnoringCase(childGroups(s, group), part);
        if (stored.isEmpty()) {
            *missing = true;
            stored = part;
        }
        group = joinGroup(group, stored);
    }
    return group;
}

void checkWritten(QSettings &s)
{
    s.sync();
    if (s.status() != QSettings::NoError)
        throw Error(QStringLiteral("Не удалось сохранить данные в реестре (%1)").arg(s.fileName()));
}

// Makes the key stay after its last value or sub-key went away.
void keepKey(QSettings &s, const QString &group)
{
#ifdef Q_OS_WIN
    if (group.isEmpty())
        return;
    QString native = group;
    native.replace(u'/', u'\\');
    HKEY h = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, reinterpret_cast<const wchar_t *>(native.utf16()), 0, nullptr, 0,
                        KEY_WRITE, nullptr, &h, nullptr) != ERROR_SUCCESS)
        throw Error(QStringLiteral("Не удалось создать раздел реестра \"%1\"").arg(native));
    RegCloseKey(h);
    Q_UNUSED(s);
#else
    if (group.isEmpty())
        return;
    s.beginGroup(group);
    const bool empty = s.childKeys().isEmpty() && s.childGroups().isEmpty();
    s.endGroup();
    if (empty)
        s.setValue(joinGroup(group, kKeyMarker), 1);
#endif
}

QString displayPath(const QString &group)
{
    QString p = group;
    p.replace(u'/', u'\\');
    return u'\\' + p;
}

} // namespace

struct RegistryKey::Impl
{
    std::unique_ptr<QSettings> settings;
    QString group; // stored spelling, "/"-separated; empty for the root

    // Stored spelling of a value name, or empty when there is no such value.
    QString storedName(const QString &name) const
    {
        if (!validValueName(name))
            return QString();
        return findIgnoringCase(childKeys(*settings, group), name);
    }

    QVariant value(const QString &name) const
    {
        const QString stored = storedName(name);
        if (stored.isEmpty())
            return QVariant();
        return settings->value(joinGroup(group, stored));
    }

    void write(const QString &name, const QVariant &v)
    {
        if (!validValueName(name))
            throw Error(QStringLiteral("Недопустимое имя параметра реестра \"%1\"").arg(name));
        QString stored = storedName(name);
        if (stored.isEmpty())
            stored = name;
        settings->setValue(joinGroup(group, stored), v);
        checkWritten(*settings);
    }
};

RegistryKey::RegistryKey(std::unique_ptr<Impl> impl) : d(std::move(impl)) {}

RegistryKey::~RegistryKey() = default;

QString RegistryKey::backingFile()
{
#ifdef Q_OS_WIN
    return QString();
#else
    const QString env = qEnvironmentVariable("KARVELO_REGISTRY");
    if (!env.isEmpty())
        return env;
    // A fixed folder rather than the application's own: the desktop program
    // and kvf share one registry.
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("Karvelo/registry.ini"));
#endif
}

std::unique_ptr<RegistryKey> RegistryKey::open(const QString &key, bool create)
{
    auto impl = std::make_unique<Impl>();
    impl->settings = makeSettings();
    bool missing = false;
    impl->group = resolveGroup(*impl->settings, splitKey(key), &missing);
    if (missing) {
        if (!create)
            return nullptr;
        keepKey(*impl->settings, impl->group);
        checkWritten(*impl->settings);
    }
    return std::unique_ptr<RegistryKey>(new RegistryKey(std::move(impl)));
}

bool RegistryKey::keyExists(const QString &key)
{
    auto s = makeSettings();
    bool missing = false;
    resolveGroup(*s, splitKey(key), &missing);
    return !missing;
}

bool RegistryKey::deleteKey(const QString &key)
{
    const QStringList parts = splitKey(key);
    if (parts.isEmpty())
        return false; // never wipe the whole registry
    auto s = makeSettings();
    bool missing = false;
    const QString group = resolveGroup(*s, parts, &missing);
    if (missing)
        return false;
    s->remove(group);
    const qsizetype slash = group.lastIndexOf(u'/');
    keepKey(*s, slash < 0 ? QString() : group.left(slash));
    checkWritten(*s);
    return true;
}

QString RegistryKey::path() const
{
    return displayPath(d->group);
}

bool RegistryKey::valueExists(const QString &name) const
{
    return !d->storedName(name).isEmpty();
}

QString RegistryKey::readString(const QString &name, const QString &def) const
{
    const QVariant v = d->value(name);
    if (!v.isValid())
        return def;
    // A hand-edited INI line "a, b" comes back as a list.
    if (v.typeId() == QMetaType::QStringList)
        return v.toStringList().join(QStringLiteral(", "));
    return v.toString();
}

int RegistryKey::readInteger(const QString &name, int def) const
{
    const QVariant v = d->value(name);
    if (!v.isValid())
        return def;
    bool ok = false;
    const int r = v.typeId() == QMetaType::QString ? v.toString().trimmed().toInt(&ok) : v.toInt(&ok);
    return ok ? r : def;
}

bool RegistryKey::readBool(const QString &name, bool def) const
{
    const QVariant v = d->value(name);
    if (!v.isValid())
        return def;
    if (v.typeId() == QMetaType::Bool)
        return v.toBool();
    const QString t = v.toString().trimmed();
    if (t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return true;
    if (t.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        return false;
    bool ok = false;
    const int n = t.toInt(&ok);
    return ok ? n != 0 : def;
}

QDateTime RegistryKey::readDateTime(const QString &name, const QDateTime &def) const
{
    const QVariant v = d->value(name);
    if (!v.isValid())
        return def;
    if (v.typeId() == QMetaType::QDateTime)
        return v.toDateTime().isValid() ? v.toDateTime() : def;
    if (v.typeId() == QMetaType::QByteArray && v.toByteArray().size() == 8) {
        // Binary values of the older program: a little-endian day count.
        const QByteArray b = v.toByteArray();
        const double days = qFromLittleEndian<double>(b.constData());
        const QDateTime dt = fromOleDate(days);
        return dt.isValid() ? dt : def;
    }
    const QDateTime dt = QDateTime::fromString(v.toString().trimmed(), Qt::ISODateWithMs);
    return dt.isValid() ? dt : def;
}

void RegistryKey::writeString(const QString &name, const QString &value)
{
    d->write(name, value);
}

void RegistryKey::writeInteger(const QString &name, int value)
{
    d->write(name, value);
}

void RegistryKey::writeBool(const QString &name, bool value)
{
    // 1/0 like the registry's own Boolean values.
    d->write(name, value ? 1 : 0);
}

void RegistryKey::writeDateTime(const QString &name, const QDateTime &value)
{
    // Text with milliseconds and the offset (Z or +hh:mm; none for local
    // time), so the value reads back as the same moment.
    d->write(name, value.isValid() ? value.toString(Qt::ISODateWithMs) : QString());
}

bool RegistryKey::deleteValue(const QString &name)
{
    const QString stored = d->storedName(name);
    if (stored.isEmpty())
        return false;
    d->settings->remove(joinGroup(d->group, stored));
    keepKey(*d->settings, d->group);
    checkWritten(*d->settings);
    return true;
}

QStringList RegistryKey::subKeys() const
{
    QStringList out = childGroups(*d->settings, d->group);
    sortCaseInsensitive(out);
    return out;
}

QStringList RegistryKey::valueNames() const
{
    QStringList out = childKeys(*d->settings, d->group);
    sortCaseInsensitive(out);
    return out;
}

} // namespace kv
