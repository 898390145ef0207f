#include "reservations/screens/TFrmClient.h"

#include "app/DatesFr.h"
#include "app/Dialogues.h"
#include "app/Erreur.h"
#include "reservations/screens/TfrmContact.h"
#include "store/DMVelorin.h"
#include "store/Dialecte.h"
#include "ui/GrilleListe.h"
#include "ui/ModeleListe.h"
#include "ui/Navigateur.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlRecord>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace velorin {

namespace {

TFrmClient::OuvertureReservation& ouvertureReservation()
{
    static TFrmClient::OuvertureReservation ouverture;
    return ouverture;
}

enum ColonneHistorique { ColDu, ColAu, ColPrixTotal, ColDejaPaye };

} // namespace

// The contact the screen edits, among the identifiers its navigator moves through. The
// writes go through Contacts::EnregistrerContact, which shows its own failures.
class SourceContact : public SourceSaisie {
public:
    SourceContact(TFrmClient& ecran, Contacts& contacts, const TContact& contact, QList<int> identifiants)
        : SourceSaisie(&ecran)
        , ecran_(ecran)
        , contacts_(contacts)
        , stocke_(contact)
        , identifiants_(std::move(identifiants))
    {
        // A new contact is not among the rows of its list yet: it is the only record.
        position_ = int(identifiants_.indexOf(contact.Identifiant));
        if (position_ < 0 || contact.nouveau) {
            identifiants_ = {contact.Identifiant};
            position_ = 0;
        }
    }

    const TContact& stocke() const { return stocke_; }
    int nombre() const { return int(identifiants_.size()); }

    void ouvrir() override
    {
        ecran_.afficher(stocke_);
        emit enregistrementChange();
    }
    bool enEdition() const override { return stocke_.nouveau || ecran_.lire(stocke_) != stocke_; }
    void enregistrer() override
    {
        if (enEdition() && !sauver()) throw Erreur(u"le contact n'a pas été enregistré."_qs);
    }
    void annuler() override { ecran_.afficher(stocke_); }
    void premier() override { aller(0); }
    void precedent() override { aller(position_ - 1); }
    void suivant() override { aller(position_ + 1); }
    void dernier() override { aller(nombre() - 1); }

    // Writes the entry; false (with the operation's message) when nothing was stored.
    bool sauver()
    {
        TContact contact = ecran_.lire(stocke_);
        if (!contacts_.EnregistrerContact(contact)) return false;
        stocke_ = contact;
        identifiants_[position_] = contact.Identifiant;
        ecran_.afficher(stocke_);
        return true;
    }

private:
    void aller(int position)
    {
        position = qBound(0, position, nombre() - 1);
        if (position == position_) return;
        // Moving on writes the changes first, with the checks of "&OK".
        if (enEdition() && (!ecran_.nomsRenseignes(ecran_.lire(stocke_)) || !sauver())) return;
        const TContact suivant = contacts_.ModifierContact(ecran_.typeContact(), identifiants_.at(position));
        if (suivant.Identifiant == 0) return;
        position_ = position;
        stocke_ = suivant;
        ouvrir();
    }

    TFrmClient& ecran_;
    Contacts& contacts_;
    TContact stocke_;
    QList<int> identifiants_;
    int position_ = 0;
};

QString TFrmClient::titre(int typeContact)
{
    switch (typeContact) {
    case TypeContact::OrganismeExterieur: return u"Organisme extérieur"_qs;
    case TypeContact::Fournisseur: return u"Fournisseur"_qs;
    default: return u"Coordonnées hôte"_qs;
    }
}

void TFrmClient::setOuvertureReservation(OuvertureReservation ouverture)
{
    ouvertureReservation() = std::move(ouverture);
}

bool TFrmClient::ouvertureReservationPossible()
{
    return static_cast<bool>(ouvertureReservation());
}

TFrmClient::TFrmClient(
    ContexteEcrans& contexte, const TContact& contact, const QList<int>& identifiants, QWidget* parent)
    : T_FrmSaisieStd(contexte, parent)
    , type_(contact.TypeContact)
{
    setWindowTitle(titre(type_));
    construire();
    Contacts& contacts = contexte.velorin.contacts();
    cbCivilite_->addItems(contacts.ListeCivilites());
    cbOrigine_->addItems(contacts.ListeOrigines());
    frmContact_->setPays(contacts.ListePays());

    sourceContact_ = new SourceContact(*this, contacts, contact, identifiants);
    connect(sourceContact_, &SourceSaisie::enregistrementChange, this, &TFrmClient::RelireHistorique);
    DefinirSource(sourceContact_);
    // A single record has nowhere to move.
    navigateur()->setVisible(sourceContact_->nombre() > 1);
}

TFrmClient::~TFrmClient() = default;

const TContact& TFrmClient::contact() const
{
    return sourceContact_->stocke();
}

void TFrmClient::construire()
{
    auto* principale = new QVBoxLayout(centre());
    principale->setContentsMargins(12, 12, 12, 8);
    principale->setSpacing(10);

    auto* haut = new QHBoxLayout;
    haut->setSpacing(18);
    principale->addLayout(haut);

    frmContact_ = new TfrmContact(centre());
    cbCivilite_ = new QComboBox;
    cbCivilite_->setObjectName(QStringLiteral("cbCivilite"));
    cbCivilite_->setEditable(true);
    cbCivilite_->setInsertPolicy(QComboBox::NoInsert);
    cbCivilite_->lineEdit()->setMaxLength(50);
    cbCivilite_->setMinimumContentsLength(20);
    cbCivilite_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    // The civility's combo keeps its own width; the frame's fields take the rest.
    frmContact_->ajouterLigne(TfrmContact::Position::AvantNom, u"Civilité"_qs, cbCivilite_, Qt::AlignLeft);
    edPrenom_ = new QLineEdit;
    edPrenom_->setObjectName(QStringLiteral("edPrenom"));
    edPrenom_->setMaxLength(50);
    frmContact_->ajouterLigne(TfrmContact::Position::ApresNom, u"Prénom"_qs, edPrenom_);
    haut->addWidget(frmContact_, 3, Qt::AlignTop);

    auto* droite = new QGridLayout;
    droite->setHorizontalSpacing(10);
    droite->setVerticalSpacing(6);
    haut->addLayout(droite, 2);
    int ligne = 0;
    const auto ajouter
        = [&](const QString& texte, QWidget* champ, const QString& nom, Qt::Alignment alignement = Qt::AlignVCenter) {
              auto* etiquette = new QLabel(texte, centre());
              etiquette->setObjectName(nom);
              etiquette->setBuddy(champ);
              droite->addWidget(etiquette, ligne, 0, Qt::AlignLeft | alignement);
              droite->addWidget(champ, ligne, 1);
              ++ligne;
          };
    edSociete_ = new QLineEdit(centre());
    edSociete_->setObjectName(QStringLiteral("edSociete"));
    edSociete_->setMaxLength(50);
    ajouter(u"Organisme"_qs, edSociete_, QStringLiteral("lblSociete"));
    cbOrigine_ = new QComboBox(centre());
    cbOrigine_->setObjectName(QStringLiteral("cbOrigine"));
    cbOrigine_->setEditable(true);
    cbOrigine_->setInsertPolicy(QComboBox::NoInsert);
    cbOrigine_->lineEdit()->setMaxLength(50);
    cbOrigine_->setMinimumContentsLength(16);
    cbOrigine_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    ajouter(u"Origine du contact"_qs, cbOrigine_, QStringLiteral("lblOrigine"));
    cbLangue_ = new QComboBox(centre());
    cbLangue_->setObjectName(QStringLiteral("cbLangue"));
    cbLangue_->setMinimumContentsLength(6);
    cbLangue_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    ajouter(u"Langue"_qs, cbLangue_, QStringLiteral("lblLangue"));
    droite->itemAtPosition(ligne - 1, 1)->setAlignment(Qt::AlignLeft);
    edNotes_ = new QPlainTextEdit(centre());
    edNotes_->setObjectName(QStringLiteral("edNotes"));
    edNotes_->setTabChangesFocus(true);
    edNotes_->setMinimumHeight(edNotes_->fontMetrics().lineSpacing() * 4 + 12);
    ajouter(u"Notes"_qs, edNotes_, QStringLiteral("lblNotes"), Qt::AlignTop);
    droite->setRowStretch(ligne - 1, 1);
    droite->setColumnStretch(1, 1);

    const bool hote = type_ == TypeContact::Hote;
    if (!hote) {
        // The language of the documents and the stays concern guests only.
        cbLangue_->hide();
        if (auto* etiquette = centre()->findChild<QLabel*>(QStringLiteral("lblLangue"))) etiquette->hide();
    }

    panelHistorique_ = new QGroupBox(u"Historique des séjours"_qs, centre());
    panelHistorique_->setObjectName(QStringLiteral("PanelHistorique"));
    auto* historique = new QVBoxLayout(panelHistorique_);
    historique->setContentsMargins(8, 6, 8, 8);
    grilleHistorique_ = new QTableWidget(0, 4, panelHistorique_);
    grilleHistorique_->setObjectName(QStringLiteral("GrilleHistorique"));
    grilleHistorique_->setHorizontalHeaderLabels({u"Du"_qs, u"Au"_qs, u"Prix Total"_qs, u"Déjà Payé"_qs});
    preparerGrilleListe(*grilleHistorique_);
    for (int colonne = 0; colonne < 3; ++colonne) grilleHistorique_->setColumnWidth(colonne, 110);
    grilleHistorique_->setMinimumHeight(grilleHistorique_->verticalHeader()->defaultSectionSize() * 4
        + grilleHistorique_->horizontalHeader()->sizeHint().height() + 6);
    historique->addWidget(grilleHistorique_, 1);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch(1);
    btnReservation_ = new QPushButton(u"Voir la réservation"_qs, panelHistorique_);
    btnReservation_->setObjectName(QStringLiteral("BtnReservation"));
    btnReservation_->setToolTip(u"Ouvre la réservation sélectionnée dans l'historique"_qs);
    boutons->addWidget(btnReservation_);
    historique->addLayout(boutons);
    principale->addWidget(panelHistorique_, 1);
    panelHistorique_->setVisible(hote);
    if (!hote) principale->addStretch(1);

    const auto majBouton
        = [this] { btnReservation_->setEnabled(ouvertureReservationPossible() && reservationCourante() > 0); };
    connect(grilleHistorique_, &QTableWidget::itemSelectionChanged, this, majBouton);
    connect(grilleHistorique_, &QTableWidget::cellDoubleClicked, this, &TFrmClient::OuvrirReservation);
    connect(btnReservation_, &QPushButton::clicked, this, &TFrmClient::OuvrirReservation);
    majBouton();

    // The fields are entered in reading order, the screen's own lines among the frame's.
    const TfrmContact& f = *frmContact_;
    const QList<QWidget*> ordre{cbCivilite_, f.edNom(), edPrenom_, f.edAdr1(), f.edAdr2(), f.edAdr3(), f.edCodPost(),
        f.edVille(), f.edTel(), f.edFax(), f.edMail(), f.cbPays(), edSociete_, cbOrigine_, cbLangue_, edNotes_,
        grilleHistorique_, btnReservation_};
    for (int i = 1; i < ordre.size(); ++i) setTabOrder(ordre.at(i - 1), ordre.at(i));
    frmContact_->edNom()->setFocus();
}

void TFrmClient::remplirLangues(const QString& langue)
{
    const QSignalBlocker blocage(cbLangue_);
    cbLangue_->clear();
    QStringList langues = contexte().velorin.contacts().ListeLangues();
    // A language whose folder is missing stays the contact's until another is chosen.
    if (!langues.contains(langue, Qt::CaseInsensitive)) langues.prepend(langue);
    cbLangue_->addItems(langues);
    for (int i = 0; i < cbLangue_->count(); ++i)
        if (cbLangue_->itemText(i).compare(langue, Qt::CaseInsensitive) == 0) cbLangue_->setCurrentIndex(i);
}

void TFrmClient::afficher(const TContact& contact)
{
    frmContact_->afficher(contact);
    const auto montrer = [](QComboBox* liste, const QString& valeur) {
        const QSignalBlocker blocage(liste);
        liste->setCurrentIndex(liste->findText(valeur));
        liste->setEditText(valeur);
    };
    montrer(cbCivilite_, contact.Civilite);
    montrer(cbOrigine_, contact.Origine);
    edPrenom_->setText(contact.Prenom);
    edSociete_->setText(contact.Societe);
    edNotes_->setPlainText(contact.Notes);
    remplirLangues(contact.Langue);
}

TContact TFrmClient::lire(const TContact& base) const
{
    TContact contact = base;
    frmContact_->lire(contact);
    contact.Civilite = cbCivilite_->currentText();
    contact.Prenom = edPrenom_->text();
    contact.Societe = edSociete_->text();
    contact.Origine = cbOrigine_->currentText();
    contact.Notes = edNotes_->toPlainText();
    // The language belongs to guests; the others keep theirs.
    if (type_ == TypeContact::Hote) contact.Langue = cbLangue_->currentText();
    return contact;
}

bool TFrmClient::nomsRenseignes(const TContact& contact)
{
    if (!(contact.Nom.trimmed() + contact.Prenom.trimmed()).isEmpty()) return true;
    // An organisation or a supplier may be known by its company name alone (the ledger creates
    // suppliers that way).
    if (type_ != TypeContact::Hote && !contact.Societe.trimmed().isEmpty()) return true;
    dialogues().avertissement(u"Vous devez renseigner soit le nom, soit le prénom."_qs);
    frmContact_->edNom()->setFocus();
    return false;
}

bool TFrmClient::Valider()
{
    if (!nomsRenseignes(lire(sourceContact_->stocke()))) return false;
    // The write runs here, through the contacts' operation, which shows its own failure and
    // leaves the screen open with the entry.
    return !sourceContact_->enEdition() || sourceContact_->sauver();
}

void TFrmClient::RelireHistorique()
{
    grilleHistorique_->setRowCount(0);
    if (type_ != TypeContact::Hote) return;
    const TContact& contact = sourceContact_->stocke();
    QList<QSqlRecord> sejours
        = contact.nouveau ? QList<QSqlRecord>() : contexte().velorin.contacts().HistoriqueContact(contact.Identifiant);
    std::stable_sort(sejours.begin(), sejours.end(), [](const QSqlRecord& a, const QSqlRecord& b) {
        return dialecte::lireDate(a.value(QStringLiteral("DateDeb")))
            < dialecte::lireDate(b.value(QStringLiteral("DateDeb")));
    });
    grilleHistorique_->setRowCount(int(sejours.size()));
    for (int ligne = 0; ligne < sejours.size(); ++ligne) {
        const QSqlRecord& sejour = sejours.at(ligne);
        const auto cellule = [&](int colonne, const QString& texte, Qt::Alignment alignement) {
            auto* item = new QTableWidgetItem(texte);
            item->setTextAlignment(alignement | Qt::AlignVCenter);
            if (colonne == ColDu) item->setData(Qt::UserRole, sejour.value(QStringLiteral("Identifiant")).toInt());
            grilleHistorique_->setItem(ligne, colonne, item);
        };
        const auto date = [&](const char* colonne) {
            const QDate jour = dialecte::lireDate(sejour.value(QString::fromLatin1(colonne)));
            return jour.isValid() ? dates::courte(jour) : QString();
        };
        const auto montant = [&](const char* colonne) {
            return ModeleListe::texteParDefaut(sejour.value(QString::fromLatin1(colonne)), TypeColonne::Reel);
        };
        cellule(ColDu, date("DateDeb"), Qt::AlignLeft);
        cellule(ColAu, date("DateFin"), Qt::AlignLeft);
        cellule(ColPrixTotal, montant("PrixTotal"), Qt::AlignRight);
        cellule(ColDejaPaye, montant("DejaPaye"), Qt::AlignRight);
    }
    if (!sejours.isEmpty()) grilleHistorique_->selectRow(int(sejours.size()) - 1);
}

int TFrmClient::reservationCourante() const
{
    const int ligne = grilleHistorique_->currentRow();
    const QTableWidgetItem* item = ligne >= 0 ? grilleHistorique_->item(ligne, ColDu) : nullptr;
    return item ? item->data(Qt::UserRole).toInt() : -1;
}

void TFrmClient::OuvrirReservation()
{
    const int reservation = reservationCourante();
    if (reservation <= 0) return;
    emit reservationDemandee(reservation);
    if (ouvertureReservation()) ouvertureReservation()(contexte(), reservation, this);
}

bool TFrmClient::AfficherContact(ContexteEcrans& contexte, int typeContact, int identifiant, QWidget* parent)
{
    const TContact contact = contexte.velorin.contacts().ModifierContact(typeContact, identifiant);
    if (contact.Identifiant == 0) return false;
    TFrmClient fiche(contexte, contact, {}, parent);
    return fiche.exec() == QDialog::Accepted;
}

void TFrmClient::preparerAffichage()
{
    // Laid out with the fonts and style of the display: never smaller than its contents,
    // whatever size a smaller screen or an older version left stored.
    ensurePolished();
    setMinimumSize(minimumSize().expandedTo(minimumSizeHint()));
    resize(size().expandedTo(sizeHint()));
    T_FrmSaisieStd::preparerAffichage();
}

} // namespace velorin
