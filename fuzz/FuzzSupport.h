#pragma once
// Shared by the reader fuzz targets: a message sink that answers every
// question with OK (so older layouts are read too) and keeps nothing, and the
// checks that every input must pass.
#include <QByteArray>

namespace kvfuzz {

// Installs the quiet sink once per process.
void setUp();

// Loads data as an order file. A loaded order must save and load again to the
// very same bytes; a refused one must have said why. Violations abort.
void checkOrderReader(const QByteArray &data);
// The same for selection files.
void checkSelectionReader(const QByteArray &data);

} // namespace kvfuzz
