#include "FuzzSupport.h"

#include "model/OrderSelection.h"
#include "tools/Messages.h"

#include <cstdio>
#include <cstdlib>

namespace kvfuzz {

namespace {

class QuietSink : public kv::MessageSink
{
public:
    int shown = 0;
    void showError(const QString &) override { ++shown; }
    void showWarning(const QString &) override { ++shown; }
    void showInfo(const QString &) override { ++shown; }
    bool askOkCancel(const QString &) override { return true; }
    bool askOkAbort(const QString &) override { return true; }
    int askTwoButtons(const QString &, const QString &, const QString &, const QString &) override { return 1; }
};

QuietSink &sink()
{
    static QuietSink s;
    return s;
}

[[noreturn]] void fail(const char *what)
{
    std::fprintf(stderr, "reader check failed: %s\n", what);
    std::abort();
}

template<typename Document>
void check(const QByteArray &data)
{
    sink().shown = 0;
    Document doc;
    const kv::TkvfLoadResult r = doc.LoadFromData(data);
    if (!r.loaded) {
        if (sink().shown == 0)
            fail("a refused file without a message");
        return;
    }
    kv::TSpecStream first;
    doc.SaveToStream(first);
    Document again;
    sink().shown = 0;
    if (!again.LoadFromData(first.data()).loaded)
        fail("a loaded file saved into something that does not load");
    if (sink().shown != 0)
        fail("a saved file that asks or warns when loaded");
    kv::TSpecStream second;
    again.SaveToStream(second);
    if (second.data() != first.data())
        fail("save, load, save changed the bytes");
}

} // namespace

void setUp()
{
    static bool done = false;
    if (!done) {
        kv::setMessageSink(&sink());
        done = true;
    }
}

void checkOrderReader(const QByteArray &data) { check<kv::TkvfOrder>(data); }
void checkSelectionReader(const QByteArray &data) { check<kv::TkvfOrderSelection>(data); }

} // namespace kvfuzz
