#pragma once

#include "reservations/Contacts.h"
#include "ui/T_FrmSaisieStd.h"

#include <functional>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QTableWidget;

namespace velorin {

class SourceContact;
class TfrmContact;

// The contact edit screen: coordinates of a guest ("Coordonnées hôte"), an external
// organisation or a supplier, and, for a guest, the language of the documents and the
// history of the stays. "&OK" refuses a contact with neither name nor first name.
//
// It edits a record read by Contacts::ModifierContact, or a new one made by CreerContact
// (stored only by "&OK"); the navigator moves among the identifiers given, writing the
// changes first.
class TFrmClient : public T_FrmSaisieStd {
    Q_OBJECT
public:
    TFrmClient(ContexteEcrans& contexte, const TContact& contact, const QList<int>& identifiants = {},
        QWidget* parent = nullptr);
    ~TFrmClient() override;

    // The contact shown, as last stored (its identifier, and its names as finally typed, after "&OK").
    const TContact& contact() const;
    int typeContact() const { return type_; }

    // Caption by kind.
    static QString titre(int typeContact);
    // "Show a contact": the edit screen, modal, on the stored contact; true when confirmed.
    static bool AfficherContact(ContexteEcrans& contexte, int typeContact, int identifiant, QWidget* parent);

    // Opening a reservation of the history. The reservation window installs it once it exists;
    // until then the history only shows the stays.
    using OuvertureReservation = std::function<void(ContexteEcrans&, int idReservation, QWidget* parent)>;
    static void setOuvertureReservation(OuvertureReservation ouverture);
    static bool ouvertureReservationPossible();

    TfrmContact* frmContact() const { return frmContact_; }
    QTableWidget* grilleHistorique() const { return grilleHistorique_; }
    // Reads the history of the contact shown again.
    void RelireHistorique();
    // The reservation under the history's cursor, or -1.
    int reservationCourante() const;
    // Double click on a history row: the reservation window on it.
    void OuvrirReservation();

signals:
    // A reservation of the history was asked for (double click, or the button).
    void reservationDemandee(int idReservation);

protected:
    bool Valider() override;
    void preparerAffichage() override;

private:
    void construire();
    void afficher(const TContact& contact);
    TContact lire(const TContact& base) const;
    bool nomsRenseignes(const TContact& contact);
    void remplirLangues(const QString& langue);

    friend class SourceContact;

    int type_;
    SourceContact* sourceContact_ = nullptr;
    TfrmContact* frmContact_ = nullptr;
    QComboBox* cbCivilite_ = nullptr;
    QLineEdit* edPrenom_ = nullptr;
    QLineEdit* edSociete_ = nullptr;
    QComboBox* cbOrigine_ = nullptr;
    QComboBox* cbLangue_ = nullptr;
    QPlainTextEdit* edNotes_ = nullptr;
    QGroupBox* panelHistorique_ = nullptr;
    QTableWidget* grilleHistorique_ = nullptr;
    QPushButton* btnReservation_ = nullptr;
};

} // namespace velorin
