#include "reservations/screens/TfrmSelContact.h"

#include "app/Horloge.h"
#include "store/DMVelorin.h"
#include "ui/ContexteEcrans.h"
#include "ui/GrilleListe.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace velorin {

namespace {

// An empty date field shows nothing: its minimum date stands for "no date".
const QDate dateVide(1900, 1, 1);

struct ColonneGrille {
    const char* colonne;
    QString titre;
    int largeur;
};

const QList<ColonneGrille>& colonnesGrille()
{
    static const QList<ColonneGrille> colonnes{{"Civilite", u"Civilité"_qs, 90}, {"Prenom", u"Prénom"_qs, 110},
        {"Nom", u"Nom"_qs, 130}, {"Adr1", u"Adresse"_qs, 160}, {"Adr2", u"Suite adresse"_qs, 120},
        {"CodPost", u"Code Postal"_qs, 85}, {"Ville", u"Ville"_qs, 120}, {"Pays", u"Pays"_qs, 100},
        {"Mail", u"Mail"_qs, 160}};
    return colonnes;
}

CriteresSelectionHotes::Plage modePlage(const QComboBox* mode)
{
    return static_cast<CriteresSelectionHotes::Plage>(qMax(0, mode->currentIndex()));
}

} // namespace

TfrmSelContact::TfrmSelContact(ContexteEcrans& contexte, QWidget* parent)
    : QWidget(parent)
    , contexte_(contexte)
{
    setObjectName(QStringLiteral("frmSelContact"));
    construire();
    Actualiser();
    remplirPlages();
}

TfrmSelContact::Plage TfrmSelContact::creerPlage(const QString& nom)
{
    Plage plage;
    plage.mode = new QComboBox(this);
    plage.mode->setObjectName(QStringLiteral("cbMode") + nom);
    plage.mode->addItems(choixPlage());
    plage.de = new QComboBox(this);
    plage.de->setObjectName(QStringLiteral("cb") + nom + QStringLiteral("De"));
    plage.a = new QComboBox(this);
    plage.a->setObjectName(QStringLiteral("cb") + nom + QStringLiteral("A"));
    for (QComboBox* borne : {plage.de, plage.a}) {
        borne->setMinimumContentsLength(14);
        borne->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        borne->setEnabled(false);
    }
    connect(plage.mode, &QComboBox::currentIndexChanged, this, [this, plage] {
        changementModePlage(plage);
        Actualiser();
    });
    connect(plage.de, &QComboBox::currentIndexChanged, this, [this, plage] {
        if (remplissage_) return;
        choixDe(plage);
        Actualiser();
    });
    connect(plage.a, &QComboBox::currentIndexChanged, this, [this] {
        if (!remplissage_) Actualiser();
    });
    return plage;
}

void TfrmSelContact::construire()
{
    auto* principale = new QVBoxLayout(this);
    principale->setContentsMargins(0, 0, 0, 0);
    principale->setSpacing(8);

    auto* criteres = new QGridLayout;
    criteres->setHorizontalSpacing(8);
    criteres->setVerticalSpacing(6);
    principale->addLayout(criteres);
    const auto etiquette = [this](const QString& texte, QWidget* champ, const QString& nom) {
        auto* libelle = new QLabel(texte, this);
        libelle->setObjectName(nom);
        if (champ) libelle->setBuddy(champ);
        return libelle;
    };
    const auto ligneBornes
        = [&](int ligne, const QString& texte, const QString& nom, QWidget* mode, QWidget* de, QWidget* a) {
              criteres->addWidget(etiquette(texte, mode, QStringLiteral("lbl") + nom), ligne, 0);
              criteres->addWidget(mode, ligne, 1);
              criteres->addWidget(etiquette(u"De"_qs, de, QStringLiteral("lbl") + nom + QStringLiteral("De")), ligne, 2,
                  Qt::AlignRight);
              criteres->addWidget(de, ligne, 3);
              criteres->addWidget(
                  etiquette(u"A"_qs, a, QStringLiteral("lbl") + nom + QStringLiteral("A")), ligne, 4, Qt::AlignRight);
              criteres->addWidget(a, ligne, 5);
          };

    pays_ = creerPlage(QStringLiteral("Pays"));
    ligneBornes(0, u"Pays"_qs, QStringLiteral("Pays"), pays_.mode, pays_.de, pays_.a);
    codePostal_ = creerPlage(QStringLiteral("CodePostal"));
    ligneBornes(1, u"Code postal"_qs, QStringLiteral("CodePostal"), codePostal_.mode, codePostal_.de, codePostal_.a);

    cbSejour_ = new QComboBox(this);
    cbSejour_->setObjectName(QStringLiteral("cbSejour"));
    cbSejour_->addItems(choixSejour());
    edSejourDe_ = new QDateEdit(this);
    edSejourDe_->setObjectName(QStringLiteral("edSejourDe"));
    edSejourA_ = new QDateEdit(this);
    edSejourA_->setObjectName(QStringLiteral("edSejourA"));
    for (QDateEdit* champ : {edSejourDe_, edSejourA_}) {
        champ->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
        champ->setCalendarPopup(true);
        champ->setMinimumDate(dateVide);
        champ->setSpecialValueText(QStringLiteral(" "));
        champ->setDate(dateVide);
        connect(champ, &QDateEdit::dateChanged, this, [this] {
            if (!remplissage_) Actualiser();
        });
    }
    ligneBornes(2, u"Date du séjour"_qs, QStringLiteral("Sejour"), cbSejour_, edSejourDe_, edSejourA_);
    btnActualiserDates_ = new QPushButton(u"Actualiser la sélection de dates"_qs, this);
    btnActualiserDates_->setObjectName(QStringLiteral("BtnActualiserDates"));
    criteres->addWidget(btnActualiserDates_, 2, 6);
    connect(cbSejour_, &QComboBox::currentIndexChanged, this, [this] {
        changementModeSejour();
        Actualiser();
    });
    connect(btnActualiserDates_, &QPushButton::clicked, this, &TfrmSelContact::Actualiser);

    cbMail_ = new QComboBox(this);
    cbMail_->setObjectName(QStringLiteral("cbMail"));
    cbMail_->addItems(choixMail());
    lblMail_ = etiquette(u"Adresse e-mail"_qs, cbMail_, QStringLiteral("lblMail"));
    criteres->addWidget(lblMail_, 3, 0);
    criteres->addWidget(cbMail_, 3, 1);
    chkAdresseComplete_ = new QCheckBox(u"Uniquement les hôtes dont l'adresse postale est complète"_qs, this);
    chkAdresseComplete_->setObjectName(QStringLiteral("chkAdresseComplete"));
    criteres->addWidget(chkAdresseComplete_, 3, 2, 1, 5);
    connect(cbMail_, &QComboBox::currentIndexChanged, this, &TfrmSelContact::Actualiser);
    connect(chkAdresseComplete_, &QCheckBox::toggled, this, &TfrmSelContact::Actualiser);

    cbTri_ = new QComboBox(this);
    cbTri_->setObjectName(QStringLiteral("cbTri"));
    cbTri_->addItems(choixTri());
    criteres->addWidget(etiquette(u"Ordre de tri :"_qs, cbTri_, QStringLiteral("lblTri")), 4, 0);
    criteres->addWidget(cbTri_, 4, 1);
    connect(cbTri_, &QComboBox::currentIndexChanged, this, &TfrmSelContact::Actualiser);
    criteres->setColumnStretch(7, 1);

    modele_ = new QStandardItemModel(0, int(colonnesGrille().size()), this);
    QStringList titres;
    for (const ColonneGrille& c : colonnesGrille()) titres.append(c.titre);
    modele_->setHorizontalHeaderLabels(titres);
    grille_ = new QTableView(this);
    grille_->setObjectName(QStringLiteral("GrilleSelContact"));
    grille_->setModel(modele_);
    preparerGrilleListe(*grille_);
    for (int i = 0; i < colonnesGrille().size(); ++i) grille_->setColumnWidth(i, colonnesGrille().at(i).largeur);
    principale->addWidget(grille_, 1);
    connect(grille_->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        majCompteur();
        emit selectionModifiee();
    });

    auto* bas = new QHBoxLayout;
    lblCompteur_ = new QLabel(this);
    lblCompteur_->setObjectName(QStringLiteral("lblCompteur"));
    bas->addWidget(lblCompteur_, 1);
    btnAnnulerSelection_ = new QPushButton(u"&Annuler sélection"_qs, this);
    btnAnnulerSelection_->setObjectName(QStringLiteral("BtnAnnulerSelection"));
    btnAnnulerSelection_->hide();
    bas->addWidget(btnAnnulerSelection_);
    principale->addLayout(bas);
    connect(btnAnnulerSelection_, &QPushButton::clicked, this, &TfrmSelContact::AnnulerSelection);
}

QDate TfrmSelContact::date(const QDateEdit* champ) const
{
    return champ->date() == dateVide ? QDate() : champ->date();
}

CriteresSelectionHotes TfrmSelContact::criteres() const
{
    CriteresSelectionHotes c;
    c.pays = modePlage(pays_.mode);
    c.paysDe = pays_.de->currentText();
    c.paysA = pays_.a->currentText();
    c.codePostal = modePlage(codePostal_.mode);
    c.codePostalDe = codePostal_.de->currentText();
    c.codePostalA = codePostal_.a->currentText();
    c.sejour = static_cast<CriteresSelectionHotes::Sejour>(qMax(0, cbSejour_->currentIndex()));
    c.sejourDe = date(edSejourDe_);
    c.sejourA = date(edSejourA_);
    c.mail = static_cast<CriteresSelectionHotes::AdresseMail>(qMax(0, cbMail_->currentIndex()));
    c.adresseComplete = chkAdresseComplete_->isChecked();
    c.tri = static_cast<CriteresSelectionHotes::Tri>(qMax(0, cbTri_->currentIndex()));
    return c;
}

void TfrmSelContact::changementModePlage(const Plage& plage)
{
    const bool tous = modePlage(plage.mode) == CriteresSelectionHotes::Plage::Tous;
    if (tous) {
        // "Tous" forgets the bounds.
        const QScopedValueRollback garde(remplissage_, true);
        plage.de->setCurrentIndex(-1);
        plage.a->setCurrentIndex(-1);
    }
    plage.de->setEnabled(!tous);
    plage.a->setEnabled(!tous);
}

void TfrmSelContact::choixDe(const Plage& plage)
{
    if (plage.de->currentIndex() < 0 || plage.a->currentIndex() >= 0) return;
    const QScopedValueRollback garde(remplissage_, true);
    plage.a->setCurrentIndex(plage.a->findText(plage.de->currentText()));
}

void TfrmSelContact::changementModeSejour()
{
    const QDate aujourdhui = contexte_.services.horloge.aujourdhui();
    const QScopedValueRollback garde(remplissage_, true);
    for (QDateEdit* champ : {edSejourDe_, edSejourA_})
        if (!date(champ).isValid()) champ->setDate(aujourdhui);
}

void TfrmSelContact::remplirPlages()
{
    const QScopedValueRollback garde(remplissage_, true);
    for (const auto& [plage, colonne] :
        {std::pair{pays_, QStringLiteral("Pays")}, std::pair{codePostal_, QStringLiteral("CodPost")}}) {
        const QStringList valeurs = Contacts::valeursAffichees(lignes_, colonne);
        for (QComboBox* borne : {plage.de, plage.a}) {
            borne->clear();
            borne->addItems(valeurs);
            borne->setCurrentIndex(-1);
        }
    }
}

void TfrmSelContact::Actualiser()
{
    lignes_ = contexte_.velorin.contacts().SelectionnerHotes(criteres());
    modele_->removeRows(0, modele_->rowCount());
    modele_->setRowCount(int(lignes_.size()));
    for (int ligne = 0; ligne < lignes_.size(); ++ligne) {
        const QSqlRecord& contact = lignes_.at(ligne);
        for (int colonne = 0; colonne < colonnesGrille().size(); ++colonne) {
            auto* item = new QStandardItem(
                contact.value(QString::fromLatin1(colonnesGrille().at(colonne).colonne)).toString());
            if (colonne == 0) item->setData(contact.value(QStringLiteral("Identifiant")).toInt(), Qt::UserRole);
            modele_->setItem(ligne, colonne, item);
        }
    }
    majCompteur();
    emit selectionModifiee();
}

void TfrmSelContact::majCompteur()
{
    const int selectionnes = grille_->selectionMode() == QAbstractItemView::ExtendedSelection
        ? int(grille_->selectionModel()->selectedRows().size())
        : 0;
    lblCompteur_->setText(Contacts::texteCompteur(int(lignes_.size()), selectionnes));
}

void TfrmSelContact::setMultiSelection(bool multiple)
{
    grille_->clearSelection();
    grille_->setSelectionMode(multiple ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
    btnAnnulerSelection_->setVisible(multiple);
    majCompteur();
}

void TfrmSelContact::forcerAvecAdresseMail()
{
    lblMail_->hide();
    cbMail_->hide();
    cbMail_->setCurrentIndex(int(CriteresSelectionHotes::AdresseMail::AvecAdresse)); // rebuilds
}

void TfrmSelContact::AnnulerSelection()
{
    grille_->clearSelection();
}

QList<QSqlRecord> TfrmSelContact::lignesSelectionnees() const
{
    QList<QSqlRecord> choisies;
    if (grille_->selectionMode() != QAbstractItemView::ExtendedSelection) return choisies;
    QList<int> rangs;
    for (const QModelIndex& index : grille_->selectionModel()->selectedRows()) rangs.append(index.row());
    std::sort(rangs.begin(), rangs.end());
    for (int rang : rangs)
        if (rang >= 0 && rang < lignes_.size()) choisies.append(lignes_.at(rang));
    return choisies;
}

QList<int> TfrmSelContact::identifiantsAffiches() const
{
    QList<int> identifiants;
    for (const QSqlRecord& ligne : lignes_) identifiants.append(ligne.value(QStringLiteral("Identifiant")).toInt());
    return identifiants;
}

QList<int> TfrmSelContact::identifiantsSelectionnes() const
{
    QList<int> identifiants;
    for (const QSqlRecord& ligne : lignesSelectionnees())
        identifiants.append(ligne.value(QStringLiteral("Identifiant")).toInt());
    return identifiants;
}

} // namespace velorin
