#pragma once
// Pieces shared by the model's stream layouts: the stamps at which the layouts
// changed, string lists stored as one text, and guarded reading of counts.
#include "tools/SpecStream.h"

#include <QStringList>
#include <functional>

namespace kv {

namespace stamps {
// Data older than this carries two more strings in a position.
inline const QString PositionLegacyStrings = QStringLiteral("10.12.2009");
// Orders carry FalzType, DornType, StulpType and OpenType from here on; older
// ones have two unused strings in their place.
inline const QString OrderTechnicalTypes = QStringLiteral("10.12.2009");
// Items carry their History from here on.
inline const QString ItemHistory = QStringLiteral("06.10.2015");
// Items carry their Comment from here on.
inline const QString ItemComment = QStringLiteral("03.03.2019");
// Sashes carry their own dorn from here on; older data has one per position.
inline const QString SashDorn = QStringLiteral("23.07.2019");
// Items carry SideNo, reserved values and ParentSet from here on.
inline const QString ItemSideNo = QStringLiteral("26.12.2019");
} // namespace stamps

// A format stamp as files carry it: day, month and year as decimal numbers
// separated by "." (blanks around the parts allowed), a real calendar day.
// Anything else is not the stamp of any version: damaged data.
bool IsValidStamp(const QString &stamp);

// A string list as one text: every line followed by CR LF.
QString StringsToText(const QStringList &lines);
// The reverse: lines end at CR LF, LF or CR; a last line without an end counts.
QStringList TextToStrings(const QString &text);

// Bytes that one stored value needs at least: a record, or an empty string.
constexpr qsizetype kRecordBytes = 16;
constexpr qsizetype kStringBytes = 4;

// Reads a count of stored objects, each needing at least minBytes. A negative
// count, or one that the rest of the data cannot hold, is damaged data and
// raises StreamReadError before anything is allocated for it.
qint32 ReadCount(TSpecStream &stream, qsizetype minBytes);

// The file side of order and selection files. write() fills a fresh stream
// that is then stored atomically; any failure is shown as errorFormat with %1
// replaced by the reason, and gives false.
bool SaveStreamToFile(const QString &fileName, const std::function<void(TSpecStream &)> &write,
                      const QString &errorFormat);
// Reads the whole file into data; a failure is shown as loadError(reason) and
// gives false.
bool ReadWholeFile(const QString &fileName, QByteArray &data,
                   const std::function<QString(const QString &)> &loadError);

// Decides whether a file with stamp may be read by this version. An older
// stamp asks convertQuestion (%1 the file's stamp, %2 the current one) and
// sets converted on OK; a newer stamp shows newerWarning (%1 the current
// stamp, %2 the file's). Returns false when the load must stop.
bool AcceptFileStamp(const QString &stamp, const QString &current, const QString &convertQuestion,
                     const QString &newerWarning, bool &converted);

} // namespace kv
