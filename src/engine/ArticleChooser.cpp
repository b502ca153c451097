#include "ArticleChooser.h"

namespace kv {

void FirstArticleChooser::ChooseArticle(TDataSource &, const ArticleAlternatives &alternatives)
{
    if (m_warn)
        m_warn(WarningText(alternatives));
}

QString FirstArticleChooser::WarningText(const ArticleAlternatives &alternatives)
{
    return QStringLiteral("Элемент фурнитуры [%1] (%2): в документации несколько альтернативных артикулов: %3. "
                          "Выбран первый: %4.")
        .arg(alternatives.ElementId, alternatives.ElementName, alternatives.Articles.join(QStringLiteral(", ")),
             alternatives.Articles.value(0));
}

} // namespace kv
