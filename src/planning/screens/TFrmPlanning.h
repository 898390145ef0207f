#pragma once

#include "planning/screens/ModelePlanning.h"
#include "ui/T_FrmPI.h"

#include <QDate>
#include <QModelIndex>

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QSplitter;
class QTableView;
class QTimer;

namespace velorin {

class TCadreReserv;

// The planning of the reservations: the accommodations over 45 days, painted by state, with
// the reservation editor docked beside the grid. A click on a held day opens its reservation
// in the editor; a run of free days (of one or several accommodations) prepares a new
// reservation on those nights; saving redisplays the grid. The grid is read again at every
// redisplay, on the refresh message and, on a network installation, periodically.
class TFrmPlanning : public T_FrmPI {
    Q_OBJECT
public:
    explicit TFrmPlanning(ContexteEcrans& contexte, QWidget* parent = nullptr);
    ~TFrmPlanning() override;

    // ---- Operations of the controls, public for the tests

    // Redisplays the 45 days from debut (month and year boxes follow).
    void AfficherAPartirDu(const QDate& debut);
    QDate dateAffichage() const { return debut_; }
    // The date the screen opened on: the day before today, or the 1st of the month.
    QDate dateInitiale() const;
    // Reloads the accommodations and redisplays.
    void Actualiser();
    void MoisPrecedent();
    void MoisSuivant();
    void setPresentation(ModelePlanning::Presentation presentation);
    // The mouse went down on debut and up on fin: a held day opens its reservation, free
    // days prepare a new one over the range.
    void ChoisirPlage(const QModelIndex& debut, const QModelIndex& fin);
    // BtnAjouter: validates and saves the editor's reservation, then redisplays.
    bool EnregistrerReservation();
    // BtnSupprimerReserv: deletes the shown reservation once confirmed.
    void SupprimerReservation();
    // btnReaffecter: gives the shown reservation to a guest chosen in the guests list.
    void ReaffecterReservation();
    // BtnRechNom.
    void RechercherNom(const QString& nom);

    ModelePlanning* modele() const { return modele_; }
    QTableView* grille() const { return grille_; }
    TCadreReserv* cadre() const { return cadre_; }

protected:
    void preparerAffichage() override;
    void enregistrerFermeture() override;
    void changementFrequence() override;
    void messageFenetre(QEvent::Type type) override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void construireBarre();
    void restaurerDisposition();
    QString platsDuJour(const QDate& jour);
    // The reservation as the deletion question names it.
    QString libelleSuppression(int identifiant);
    void construireResultats();
    void chargerHebergements();
    void redessiner();
    void ecrireResultats();
    void appliquerTailles();
    void montrerCellule(const QModelIndex& index);
    // A reservation whose guest has vanished: the user may enter the guest again.
    void verifierHote(int identifiant);
    void choisirMoisAnnee();
    void ajouterAnnee(int annee);
    void placerCadre(int position);
    void programmerRafraichissement();

    ModelePlanning* modele_ = nullptr;
    QTableView* grille_ = nullptr;
    QSplitter* separateur_ = nullptr;
    TCadreReserv* cadre_ = nullptr;
    QComboBox* cbMois_ = nullptr;
    QComboBox* cbAnnee_ = nullptr;
    QDateEdit* dateAff_ = nullptr;
    QPushButton* btnAujourdhui_ = nullptr;
    QPushButton* btnActualiser_ = nullptr;
    QComboBox* cbPresGrille_ = nullptr;
    QComboBox* cbPosReserv_ = nullptr;
    QSpinBox* spHautLigne_ = nullptr;
    QLineEdit* edRechNom_ = nullptr;
    QPushButton* btnRegrouper_ = nullptr;
    QComboBox* cbMajPlanning_ = nullptr;
    QTimer* rafraichissement_ = nullptr;
    QList<QLabel*> resultats_; // the month row then the year row, 7 boxes each
    QList<QLabel*> titresResultats_;
    QLabel* libMois_ = nullptr;
    QLabel* libAnnee_ = nullptr;

    TListeChambres chambres_;
    QDate debut_;
    QModelIndex appui_;
    bool affRepas_ = false;
    bool affCA_ = false;
    int largeurObservations_ = 0;
    int tailleCadre_ = 0;
    bool miseAJour_ = false; // the boxes are being set by the program
    bool dimensionnement_ = false; // the columns are being sized by the program
    bool montantsAffiches_ = true; // the amounts of the results panel, when AffCA is on
    QPersistentModelIndex celluleChoisie_; // the cell the frame was last filled from
};

} // namespace velorin
