#include "ui/T_FrmSaisieStd.h"

#include "app/Dialogues.h"
#include "app/Erreur.h"
#include "ui/Navigateur.h"
#include "ui/PanneauDegrade.h"
#include "ui/SourceSaisie.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>

namespace velorin {

T_FrmSaisieStd::T_FrmSaisieStd(ContexteEcrans& contexte, QWidget* parent) : T_FrmPI(contexte, parent)
{
    navigateur_ = new Navigateur(panelBas());
    navigateur_->hide();
    btnOK_ = ajouterBouton(u"&OK"_qs, QStringLiteral("BtnOK"));
    btnAnnuler_ = ajouterBouton(u"&Annuler"_qs, QStringLiteral("BtnAnnuler"));
    dispositionBas()->addSpacing(10);
    dispositionBas()->addWidget(navigateur_);
    connect(btnOK_, &QPushButton::clicked, this, &T_FrmSaisieStd::OK);
    connect(btnAnnuler_, &QPushButton::clicked, this, &T_FrmSaisieStd::Annuler);
}

void T_FrmSaisieStd::DefinirSource(SourceSaisie* source)
{
    if (source_) disconnect(navigateur_, nullptr, source_, nullptr);
    source_ = source;
    navigateur_->setVisible(source != nullptr);
    if (!source) return;
    connect(navigateur_, &Navigateur::premier, source, &SourceSaisie::premier);
    connect(navigateur_, &Navigateur::precedent, source, &SourceSaisie::precedent);
    connect(navigateur_, &Navigateur::suivant, source, &SourceSaisie::suivant);
    connect(navigateur_, &Navigateur::dernier, source, &SourceSaisie::dernier);
    source->ouvrir();
}

void T_FrmSaisieStd::relierNavigateur(const std::function<void(const CibleNavigation&)>& aller)
{
    navigateur_->show();
    connect(navigateur_, &Navigateur::premier, this, [aller] { aller([](int, int) { return 0; }); });
    connect(navigateur_, &Navigateur::precedent, this, [aller] { aller([](int p, int) { return p - 1; }); });
    connect(navigateur_, &Navigateur::suivant, this, [aller] { aller([](int p, int) { return p + 1; }); });
    connect(navigateur_, &Navigateur::dernier, this, [aller] { aller([](int, int n) { return n - 1; }); });
}

void T_FrmSaisieStd::OK()
{
    annule_ = false;
    if (!Valider()) return;
    if (source_) {
        try {
            if (!source_->enEdition()) source_->editer();
            source_->enregistrer();
        } catch (const std::exception& e) {
            // The screen stays open with the entry, so that nothing typed is lost.
            dialogues().erreur(u"Erreur lors de l'enregistrement : "_qs + texteErreur(e));
            return;
        }
    }
    accept();
}

void T_FrmSaisieStd::Annuler()
{
    annule_ = true;
    if (source_) source_->annuler();
    reject();
}

void T_FrmSaisieStd::appliquerLargeurs()
{
    for (const TLargeurCol& l : largeurs()) {
        auto* grille = findChild<QTableView*>(l.Grille);
        if (!grille || !grille->model()) continue;
        if (l.NumCol < grille->model()->columnCount() - 1) grille->setColumnWidth(l.NumCol, l.Larg);
    }
}

QList<TLargeurCol> T_FrmSaisieStd::collecterLargeurs()
{
    QList<TLargeurCol> collectees;
    for (QTableView* grille : findChildren<QTableView*>()) {
        // Qt's own grids (the calendar of every date field) are not the screen's.
        if (grille->objectName().isEmpty() || grille->objectName().startsWith(QLatin1String("qt_")) || !grille->model())
            continue;
        // The last column of a data grid fills the grid: its width is not the user's.
        const bool grilleTexte = qobject_cast<QTableWidget*>(grille) != nullptr;
        const int nombre = grille->model()->columnCount() - (grilleTexte ? 0 : 1);
        for (int i = 0; i < nombre; ++i) collectees.append({grille->objectName(), i, grille->columnWidth(i)});
    }
    return collectees;
}

} // namespace velorin
