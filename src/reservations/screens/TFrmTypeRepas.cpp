#include "reservations/screens/TFrmTypeRepas.h"

#include "app/Dialogues.h"
#include "app/Erreur.h"
#include "store/DMVelorin.h"
#include "ui/Navigateur.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace velorin {

// The single menu structure record: read when the screen opens, written by "&OK".
class SourceMenus : public SourceSaisie {
public:
    SourceMenus(TFrmTypeRepas& ecran, LignesSejour& lignes, const TMenus& menus)
        : SourceSaisie(&ecran)
        , ecran_(ecran)
        , lignes_(lignes)
        , stocke_(menus)
    {
    }

    void ouvrir() override
    {
        ecran_.afficher(stocke_);
        emit enregistrementChange();
    }
    bool enEdition() const override { return stocke_.nouveau || ecran_.lire(stocke_) != stocke_; }
    void enregistrer() override
    {
        TMenus menus = ecran_.lire(stocke_);
        lignes_.ValiderMenus(menus);
        stocke_ = menus;
    }
    void annuler() override
    {
        lignes_.AnnulerMenus();
        ecran_.afficher(stocke_);
    }

private:
    TFrmTypeRepas& ecran_;
    LignesSejour& lignes_;
    TMenus stocke_;
};

TFrmTypeRepas::TFrmTypeRepas(ContexteEcrans& contexte, QWidget* parent)
    : T_FrmSaisieStd(contexte, parent)
{
    setWindowTitle(u"Définition des repas"_qs);
    auto* principale = new QVBoxLayout(centre());
    principale->setContentsMargins(16, 14, 16, 10);
    principale->setSpacing(10);
    for (const QString& texte :
        {u"Définissez la structure de votre ou vos menus. Pour cela, 10 plats sont à votre disposition"_qs,
            u"Pour chacun, indiquez son titre, et s'il doit ou non apparaitre"_qs}) {
        auto* explication = new QLabel(texte, centre());
        explication->setObjectName(
            principale->count() == 0 ? QStringLiteral("lblExplication1") : QStringLiteral("lblExplication2"));
        explication->setWordWrap(true);
        principale->addWidget(explication);
    }

    auto* plats = new QGridLayout;
    plats->setHorizontalSpacing(10);
    plats->setVerticalSpacing(6);
    plats->setColumnStretch(1, 1);
    for (int plat = 0; plat < nombrePlats; ++plat) {
        const QString numero = QString::number(plat + 1);
        auto* libelle = new QLineEdit(centre());
        libelle->setObjectName(QStringLiteral("edLibelle") + numero);
        libelle->setMaxLength(50);
        libelle->setMinimumWidth(libelle->fontMetrics().averageCharWidth() * 34);
        auto* visible = new QCheckBox(u"Visible"_qs, centre());
        visible->setObjectName(QStringLiteral("chkVisible") + numero);
        auto* etiquette = new QLabel(u"Plat "_qs + numero + u" :"_qs, centre());
        etiquette->setObjectName(QStringLiteral("lblPlat") + numero);
        etiquette->setBuddy(libelle);
        plats->addWidget(etiquette, plat, 0);
        plats->addWidget(libelle, plat, 1);
        plats->addWidget(visible, plat, 2);
        libelles_[plat] = libelle;
        visibles_[plat] = visible;
    }
    principale->addLayout(plats);
    principale->addStretch(1);

    try {
        DefinirSource(
            new SourceMenus(*this, contexte.velorin.lignesSejour(), contexte.velorin.lignesSejour().OuvrirMenus()));
    } catch (const std::exception& e) {
        // Without the stored structure, "&OK" would write empty titles over it.
        dialogues().erreur(u"Erreur lors de la lecture de la structure des menus : "_qs + texteErreur(e));
        btnOK()->setEnabled(false);
    }
    // One record: nowhere to move.
    navigateur()->hide();
}

void TFrmTypeRepas::afficher(const TMenus& menus)
{
    for (int plat = 0; plat < nombrePlats; ++plat) {
        libelles_.at(plat)->setText(menus.Libelle.at(plat));
        visibles_.at(plat)->setChecked(menus.Visible.at(plat));
    }
}

TMenus TFrmTypeRepas::lire(const TMenus& base) const
{
    TMenus menus = base;
    for (int plat = 0; plat < nombrePlats; ++plat) {
        menus.Libelle[plat] = libelles_.at(plat)->text();
        menus.Visible[plat] = visibles_.at(plat)->isChecked();
    }
    return menus;
}

void TFrmTypeRepas::preparerAffichage()
{
    // Laid out with the fonts and style of the display: never smaller than its contents,
    // whatever size a smaller screen or an older version left stored.
    ensurePolished();
    setMinimumSize(minimumSize().expandedTo(minimumSizeHint()));
    resize(size().expandedTo(sizeHint()));
    T_FrmSaisieStd::preparerAffichage();
}

} // namespace velorin
