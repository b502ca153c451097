#include "windows/ArticleChooserDlg.h"

#include "tools/WaitCursor.h"
#include "windows/KMLookup2.h"

namespace kv {

const QString LookupArticleChooser::Prompt =
    QStringLiteral("В документации присутствует несколько альтернативных вариантов. Выберите нужный элемент.");
const QString LookupArticleChooser::Caption = QStringLiteral("Список артикулов");

void LookupArticleChooser::ChooseArticle(TDataSource &source, const ArticleAlternatives &)
{
    // The selection run shows the busy cursor; the user's choice needs the arrow.
    const Qt::CursorShape busy = EndWait();
    TDBLookup2Dlg dlg;
    dlg.Run(source, QStringLiteral("CatalogID"), Prompt, Caption, QString(), {}, 1,
            {QStringLiteral("CatalogID"), QStringLiteral("CatalogNameLookup")});
    if (busy != Qt::ArrowCursor)
        BeginWait();
}

} // namespace kv
