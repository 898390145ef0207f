#include "ui/Edition.h"

#include "ui/ModeleListe.h"

#include <QPageLayout>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTextDocument>

namespace velorin {

EditionListe::EditionListe(const ModeleListe& modele) : modele_(modele) {}

void EditionListe::definirTexte(const QString& libelle, const QString& texte)
{
    if (libelle.compare(libelleTitre(), Qt::CaseInsensitive) == 0) titre_ = texte;
}

bool EditionListe::paysage() const
{
    int largeur = 0;
    for (const ColonneAffichee& c : modele_.colonnesGrille()) largeur += c.largeur > 0 ? c.largeur : 100;
    return largeur > 700;
}

std::unique_ptr<QTextDocument> EditionListe::document() const
{
    const auto& colonnes = modele_.colonnesGrille();
    QString html = QStringLiteral("<html><body style=\"font-family: sans-serif; font-size: 9pt;\">");
    if (!titre_.isEmpty()) html += QStringLiteral("<h2 style=\"font-size: 14pt;\">%1</h2>").arg(titre_.toHtmlEscaped());
    html += QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"3\" border=\"1\" "
                           "style=\"border-collapse: collapse; border-color: #808080;\"><thead><tr>");
    for (const ColonneAffichee& c : colonnes)
        html += QStringLiteral("<th bgcolor=\"#E0E0E0\" align=\"left\">%1</th>").arg(c.titre.toHtmlEscaped());
    html += QStringLiteral("</tr></thead>");
    for (int ligne = 0; ligne < modele_.rowCount(); ++ligne) {
        html += QStringLiteral("<tr>");
        for (const ColonneAffichee& c : colonnes) {
            const int index = modele_.indexSource(c.nomChamp);
            const TypeColonne type = index >= 0 ? modele_.colonnesSource().at(index).type : TypeColonne::Texte;
            const bool droite = type == TypeColonne::Entier || type == TypeColonne::Reel;
            html += QStringLiteral("<td%1>%2</td>")
                        .arg(droite ? QStringLiteral(" align=\"right\"") : QString(),
                             modele_.texte(ligne, index).toHtmlEscaped());
        }
        html += QStringLiteral("</tr>");
    }
    html += QStringLiteral("</table></body></html>");
    auto document = std::make_unique<QTextDocument>();
    document->setHtml(html);
    return document;
}

void EditionListe::apercu(QWidget* parent)
{
    QPrinter imprimante(QPrinter::HighResolution);
    imprimante.setPageOrientation(paysage() ? QPageLayout::Landscape : QPageLayout::Portrait);
    imprimante.setDocName(titre_);
    QPrintPreviewDialog apercu(&imprimante, parent);
    apercu.setWindowTitle(titre_.isEmpty() ? QStringLiteral("Aperçu avant impression") : titre_);
    QObject::connect(&apercu, &QPrintPreviewDialog::paintRequested, &apercu, [this](QPrinter* cible) {
        const auto doc = document();
        doc->print(cible);
    });
    apercu.resize(900, 700);
    apercu.exec();
}

} // namespace velorin
