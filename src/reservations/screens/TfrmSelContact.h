#pragma once

#include "reservations/Contacts.h"

#include <QList>
#include <QSqlRecord>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QStandardItemModel;
class QTableView;

namespace velorin {

struct ContexteEcrans;

// The multi-criteria guest selection of the mailing and label screens: country and postal
// code ranges (residents or not), stays between two dates, mail address, complete postal
// address, sort order; the grid of the guests selected and their counter.
//
// The hosting screen reads the rows shown (lignes) or, in multiple selection, the rows the
// user selected (lignesSelectionnees). Its grid is named GrilleSelContact so that its column
// widths are kept with the hosting screen's.
class TfrmSelContact : public QWidget {
    Q_OBJECT
public:
    explicit TfrmSelContact(ContexteEcrans& contexte, QWidget* parent = nullptr);

    // The criteria as the controls hold them.
    CriteresSelectionHotes criteres() const;
    // Rebuilds the selection from the criteria.
    void Actualiser();

    // Multiple selection in the grid, with "&Annuler sélection" to clear it.
    void setMultiSelection(bool multiple);
    // Only guests with a mail address; the mail criterion is then hidden (mailing).
    void forcerAvecAdresseMail();

    const QList<QSqlRecord>& lignes() const { return lignes_; }
    QList<QSqlRecord> lignesSelectionnees() const;
    QList<int> identifiantsAffiches() const;
    QList<int> identifiantsSelectionnes() const;
    void AnnulerSelection();

    QTableView* grille() const { return grille_; }
    QLabel* compteur() const { return lblCompteur_; }

    // The choices of the criteria, in their lists' order.
    static QStringList choixPlage() { return {u"Tous"_qs, u"Résident"_qs, u"Non résident"_qs}; }
    static QStringList choixSejour() { return {u"Toutes les dates"_qs, u"Ont séjourné "_qs, u"N'ont pas séjourné"_qs}; }
    static QStringList choixMail() { return {u"Tous"_qs, u"Sans adresse mail"_qs, u"Avec adresse mail"_qs}; }
    static QStringList choixTri() { return {u"Nom"_qs, u"Code postal"_qs}; }

signals:
    // The rows shown or the rows selected changed.
    void selectionModifiee();

private:
    struct Plage {
        QComboBox* mode = nullptr;
        QComboBox* de = nullptr;
        QComboBox* a = nullptr;
    };
    void construire();
    Plage creerPlage(const QString& nom);
    void changementModePlage(const Plage& plage);
    void choixDe(const Plage& plage);
    void changementModeSejour();
    void remplirPlages();
    void majCompteur();
    QDate date(const QDateEdit* champ) const;

    ContexteEcrans& contexte_;
    QList<QSqlRecord> lignes_;
    bool remplissage_ = false;
    Plage pays_;
    Plage codePostal_;
    QComboBox* cbSejour_ = nullptr;
    QDateEdit* edSejourDe_ = nullptr;
    QDateEdit* edSejourA_ = nullptr;
    QPushButton* btnActualiserDates_ = nullptr;
    QLabel* lblMail_ = nullptr;
    QComboBox* cbMail_ = nullptr;
    QCheckBox* chkAdresseComplete_ = nullptr;
    QComboBox* cbTri_ = nullptr;
    QTableView* grille_ = nullptr;
    QStandardItemModel* modele_ = nullptr;
    QLabel* lblCompteur_ = nullptr;
    QPushButton* btnAnnulerSelection_ = nullptr;
};

} // namespace velorin
