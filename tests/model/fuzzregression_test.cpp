// Inputs that once crashed the order or selection reader under the fuzzer
// (scripts/fuzz.sh), replayed with the fuzzer's checks: a refused file says
// why, a loaded one saves and loads back to the same bytes. Each directory's
// "expected" file pins every input's outcome ("<file> loaded" or
// "<file> refused"), since a crash under the sanitizers may pass quietly in a
// build without them.
#include "model/OrderSelection.h"
#include "tools/RecordingMessages.h"
#include "support/QStringPrinter.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QMap>
#include <gtest/gtest.h>

using namespace kv;

// In sanitizer builds any undefined behaviour ends the test instead of
// printing a note.
extern "C" const char *__ubsan_default_options() { return "halt_on_error=1:print_stacktrace=1"; }

namespace {

QMap<QString, QString> expectedOutcomes(const QDir &dir)
{
    QMap<QString, QString> map;
    const QString text = QString::fromUtf8(kvtest::readFile(dir.filePath(QStringLiteral("expected"))));
    for (const QString &line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QStringList parts = line.simplified().split(QLatin1Char(' '));
        if (parts.size() == 2)
            map.insert(parts[0], parts[1]);
    }
    return map;
}

template<typename Document>
void replay(const QString &target)
{
    const QDir dir(kvtest::sourcePath(QStringLiteral("tests/model/data/fuzz/") + target));
    QStringList files = dir.entryList(QDir::Files, QDir::Name);
    files.removeAll(QStringLiteral("expected"));
    ASSERT_FALSE(files.isEmpty()) << "no inputs in " << dir.path().toStdString();
    const QMap<QString, QString> expected = expectedOutcomes(dir);
    for (const QString &name : files) {
        SCOPED_TRACE(name.toStdString());
        RecordingMessages messages;
        messages.setDefaultAnswer(true);
        Document doc;
        const TkvfLoadResult r = doc.LoadFromData(kvtest::readFile(dir.filePath(name)));
        EXPECT_EQ(r.loaded ? QStringLiteral("loaded") : QStringLiteral("refused"), expected.value(name))
            << messages.texts().join(QStringLiteral(" | ")).toStdString();
        if (!r.loaded) {
            EXPECT_GT(messages.count(RecordingMessageSink::Kind::Error)
                          + messages.count(RecordingMessageSink::Kind::Warning),
                      0);
            continue;
        }
        TSpecStream first;
        doc.SaveToStream(first);
        messages.clear();
        Document again;
        EXPECT_EQ(again.LoadFromData(first.data()), (TkvfLoadResult{true, false}));
        EXPECT_TRUE(messages.isEmpty());
        TSpecStream second;
        again.SaveToStream(second);
        EXPECT_EQ(second.data().toHex(), first.data().toHex());
    }
}

} // namespace

TEST(FuzzRegression, OrderReader) { replay<TkvfOrder>(QStringLiteral("order_reader")); }
TEST(FuzzRegression, SelectionReader) { replay<TkvfOrderSelection>(QStringLiteral("selection_reader")); }
