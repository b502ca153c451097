#pragma once
// The Yes / No / Cancel question of the document windows ("Сохранить
// заказ?"), a platform message box. Tests put an answerer in its place.
#include <QString>
#include <functional>

namespace kv {

enum class YesNoCancel { Yes, No, Cancel };

YesNoCancel AskYesNoCancel(const QString &text);
// Replaces the message box; an empty function restores it. Returns the previous one.
std::function<YesNoCancel(const QString &)> setYesNoCancelAnswerer(std::function<YesNoCancel(const QString &)> answerer);

} // namespace kv
