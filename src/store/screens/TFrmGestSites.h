#pragma once

#include "app/Reglages.h"
#include "ui/T_FrmSaisieStd.h"

class QLineEdit;
class QTableWidget;

namespace velorin {

// "Gestion des sites": the named data folders of info.ini [Sites], one row per site (name,
// folder with its folder picker). OK checks every row, creates the missing folders the user
// agrees to, rewrites the section and tells the main window (WMMajSites).
class TFrmGestSites : public T_FrmSaisieStd {
    Q_OBJECT
public:
    // siteCourant: the site shown in the main window's selector, which cannot be deleted.
    TFrmGestSites(ContexteEcrans& contexte, QString siteCourant, QWidget* parent = nullptr);

    QTableWidget* grille() const { return grille_; }
    QLineEdit* editionDossier(int ligne) const;
    // The rows as they stand.
    QList<Site> sites() const;

    // "Ajouter un site": a row "Nouveau site " + the smallest number not yet used.
    void AjouterSite();
    // "Supprimer un site" on the selected row.
    void SupprimerSite();
    // The folder picker of a row.
    void ChoisirDossier(int ligne);

protected:
    bool Valider() override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void ajouterLigne(const Site& site);
    int ligneDe(const QWidget* controle) const;
    QString nom(int ligne) const;
    QString dossierAbsolu(const QString& dossier) const;
    bool donneesSupprimables(int ligne, const QString& dossier) const;

    QString siteCourant_;
    QTableWidget* grille_ = nullptr;
};

} // namespace velorin
