#include "Globals.h"

namespace kv {

QString ConfigName;
QString CatalogDir;
QString DataDir;
QString ReportDir;
QString TempDir;
QString LastTempDir;
QString SettingsFile;
QString OrdersDir;
QString SelectionDir;
QString RecycledDir;
QString ArchiveDir;
QString RegistryDir;
QString ExportDir;
bool DeveloperMode = false;
bool PresentationEnabled = true;

static bool isSeparator(QChar c) { return c == QLatin1Char('\\') || c == QLatin1Char('/'); }

QString NormaliseDirectory(const QString &value)
{
    // Blanks as the Windows configuration tools leave them: any control
    // character or space at either end.
    qsizetype first = 0, last = value.size();
    while (first < last && value.at(first).unicode() <= ' ')
        ++first;
    while (last > first && value.at(last - 1).unicode() <= ' ')
        --last;
    QString s = value.mid(first, last - first);
    if (!s.isEmpty() && isSeparator(s.back()))
        s.chop(1);
    return s;
}

QString JoinPath(const QString &dir, const QString &name)
{
    if (!dir.isEmpty() && isSeparator(dir.back()))
        return dir + name;
    return dir + QLatin1Char('/') + name;
}

void ClearGlobals()
{
    for (QString *s : {&ConfigName, &CatalogDir, &DataDir, &ReportDir, &TempDir, &LastTempDir,
                       &SettingsFile, &OrdersDir, &SelectionDir, &RecycledDir, &ArchiveDir,
                       &RegistryDir, &ExportDir})
        s->clear();
}

static QRandomGenerator &generator()
{
    static QRandomGenerator g;
    return g;
}

QRandomGenerator &processRandom() { return generator(); }

void seedProcessRandom(quint64 seed)
{
    generator().seed(quint32(seed) ^ quint32(seed >> 32));
}

} // namespace kv
