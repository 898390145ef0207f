#include "catalogue/screens/TFicheDetTVA.h"

#include "catalogue/screens/TCadreDetailTVA.h"
#include "ui/EditNombre.h"

#include <QVBoxLayout>

namespace velorin {

TFicheDetTVA::TFicheDetTVA(ContexteEcrans& contexte, QWidget* parent)
    : T_FrmSaisieStd(contexte, parent)
{
    setWindowTitle(u"Détail du prix TTC"_qs);
    auto* disposition = new QVBoxLayout(centre());
    disposition->setContentsMargins(12, 12, 12, 12);
    cadre_ = new TCadreDetailTVA(contexte, centre());
    cadre_->setObjectName(QStringLiteral("CadreTVA"));
    disposition->addWidget(cadre_);
    disposition->addStretch(1);
    ajouterCadre(cadre_);
    setMinimumSize(440, 220);
    resize(480, 230);
}

// The line goes before the frame: the frame must not read it any more.
TFicheDetTVA::~TFicheDetTVA()
{
    cadre_->lier(nullptr);
}

void TFicheDetTVA::lierLigne(const QSqlRecord& ligne)
{
    ligne_ = ligne;
    cadre_->lier(&ligne_);
    cadre_->edHT(1)->setFocus(Qt::OtherFocusReason);
    cadre_->saisie().setCote(CoteSaisie::HT);
}

void TFicheDetTVA::montrerMontants(const TMontantsTVA& montants)
{
    cadre_->AfficherMontants(montants);
}

bool TFicheDetTVA::EditerLigne(ContexteEcrans& contexte, QSqlRecord& ligne, QWidget* parent)
{
    TFicheDetTVA fiche(contexte, parent);
    fiche.lierLigne(ligne);
    if (fiche.exec() != QDialog::Accepted) return false;
    ligne = fiche.ligne();
    return true;
}

void TFicheDetTVA::AfficherMontants(ContexteEcrans& contexte, const TMontantsTVA& montants, QWidget* parent)
{
    TFicheDetTVA fiche(contexte, parent);
    fiche.montrerMontants(montants);
    fiche.exec();
}

} // namespace velorin
