#include "reservations/screens/TfrmContact.h"

#include "reservations/Contacts.h"
#include "ui/EditMajuscules.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace velorin {

namespace {

const QRegularExpression& motifTelephone()
{
    static const QRegularExpression motif(QStringLiteral("[0-9 ()+]*"));
    return motif;
}

// Rows of the frame's grid; the free rows receive the screen's own lines.
enum Ligne {
    LigneAvantNom,
    LigneNom,
    LigneApresNom,
    LigneAdresse,
    LigneAdresse2,
    LigneAdresse3,
    LigneVille,
    LigneTelephone,
    LigneMail,
    LignePays
};

} // namespace

bool TfrmContact::texteTelephoneValide(const QString& texte)
{
    return QRegularExpression(QRegularExpression::anchoredPattern(motifTelephone().pattern())).match(texte).hasMatch();
}

TfrmContact::TfrmContact(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("frmContact"));
    grille_ = new QGridLayout(this);
    grille_->setContentsMargins(0, 0, 0, 0);
    grille_->setHorizontalSpacing(10);
    grille_->setVerticalSpacing(6);
    grille_->setColumnStretch(1, 1);

    edNom_ = champTexte(QStringLiteral("edNom"), 50);
    grille_->addWidget(libelle(u"Nom"_qs, edNom_), LigneNom, 0);
    grille_->addWidget(edNom_, LigneNom, 1);

    edAdr1_ = champTexte(QStringLiteral("edAdr1"), 50);
    edAdr2_ = champTexte(QStringLiteral("edAdr2"), 50);
    edAdr3_ = champTexte(QStringLiteral("edAdr3"), 50);
    grille_->addWidget(libelle(u"Adresse"_qs, edAdr1_), LigneAdresse, 0);
    grille_->addWidget(edAdr1_, LigneAdresse, 1);
    grille_->addWidget(edAdr2_, LigneAdresse2, 1);
    grille_->addWidget(edAdr3_, LigneAdresse3, 1);

    edCodPost_ = champTexte(QStringLiteral("edCodPost"), 5);
    edCodPost_->setFixedWidth(edCodPost_->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 18);
    edVille_ = champTexte(QStringLiteral("edVille"), 50);
    auto* ville = new QHBoxLayout;
    ville->setSpacing(6);
    ville->addWidget(edCodPost_);
    ville->addWidget(edVille_, 1);
    grille_->addWidget(libelle(u"C.Postal et ville"_qs, edCodPost_), LigneVille, 0);
    grille_->addLayout(ville, LigneVille, 1);

    edTel_ = champTexte(QStringLiteral("edTel"), 30);
    edFax_ = champTexte(QStringLiteral("edFax"), 30);
    for (QLineEdit* telephone : {edTel_, edFax_}) {
        telephone->setValidator(new QRegularExpressionValidator(motifTelephone(), telephone));
        telephone->setMinimumWidth(
            telephone->fontMetrics().horizontalAdvance(QStringLiteral("+33 (0)6 00 00 00 00")) + 18);
    }
    auto* telephones = new QHBoxLayout;
    telephones->setSpacing(10);
    telephones->addWidget(edTel_, 1);
    telephones->addWidget(libelle(u"Mobile"_qs, edFax_));
    telephones->addWidget(edFax_, 1);
    grille_->addWidget(libelle(u"Tél"_qs, edTel_), LigneTelephone, 0);
    grille_->addLayout(telephones, LigneTelephone, 1);

    edMail_ = champTexte(QStringLiteral("edMail"), 50);
    grille_->addWidget(libelle(u"Adresse e-mail"_qs, edMail_), LigneMail, 0);
    grille_->addWidget(edMail_, LigneMail, 1);

    cbPays_ = new QComboBox(this);
    cbPays_->setObjectName(QStringLiteral("cbPays"));
    cbPays_->setEditable(true);
    // Countries are entered in capitals, as the lists and the statistics compare them.
    auto* pays = new EditMajuscules(cbPays_);
    pays->setMaxLength(50);
    cbPays_->setLineEdit(pays);
    cbPays_->setInsertPolicy(QComboBox::NoInsert);
    cbPays_->setMinimumContentsLength(20);
    cbPays_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    connect(cbPays_, &QComboBox::editTextChanged, this, &TfrmContact::modifie);
    grille_->addWidget(libelle(u"Pays"_qs, cbPays_), LignePays, 0);
    grille_->addWidget(cbPays_, LignePays, 1, Qt::AlignLeft);
}

QLineEdit* TfrmContact::champTexte(const QString& nom, int longueurMax)
{
    auto* champ = new QLineEdit(this);
    champ->setObjectName(nom);
    champ->setMaxLength(longueurMax);
    connect(champ, &QLineEdit::textEdited, this, &TfrmContact::modifie);
    return champ;
}

QLabel* TfrmContact::libelle(const QString& texte, QWidget* champ)
{
    auto* etiquette = new QLabel(texte, this);
    etiquette->setObjectName(QStringLiteral("lbl") + champ->objectName().mid(2));
    etiquette->setBuddy(champ);
    return etiquette;
}

void TfrmContact::ajouterLigne(Position position, const QString& libelleTexte, QWidget* champ, Qt::Alignment alignement)
{
    const int ligne = position == Position::AvantNom ? LigneAvantNom : LigneApresNom;
    champ->setParent(this);
    grille_->addWidget(libelle(libelleTexte, champ), ligne, 0);
    grille_->addWidget(champ, ligne, 1, alignement);
}

void TfrmContact::setPays(const QStringList& pays)
{
    const QString actuel = cbPays_->currentText();
    const QSignalBlocker blocage(cbPays_);
    cbPays_->clear();
    cbPays_->addItems(pays);
    cbPays_->setCurrentIndex(-1);
    cbPays_->setEditText(actuel);
}

void TfrmContact::afficher(const TContact& contact)
{
    const QList<QPair<QLineEdit*, QString>> valeurs{{edNom_, contact.Nom}, {edAdr1_, contact.Adr1},
        {edAdr2_, contact.Adr2}, {edAdr3_, contact.Adr3}, {edCodPost_, contact.CodPost}, {edVille_, contact.Ville},
        {edTel_, contact.Tel}, {edFax_, contact.Fax}, {edMail_, contact.Mail}};
    for (const auto& [champ, valeur] : valeurs) {
        champ->setText(valeur);
        champ->setCursorPosition(0);
    }
    const QSignalBlocker blocage(cbPays_);
    cbPays_->setCurrentIndex(cbPays_->findText(contact.Pays));
    cbPays_->setEditText(contact.Pays);
}

void TfrmContact::lire(TContact& contact) const
{
    contact.Nom = edNom_->text();
    contact.Adr1 = edAdr1_->text();
    contact.Adr2 = edAdr2_->text();
    contact.Adr3 = edAdr3_->text();
    contact.CodPost = edCodPost_->text();
    contact.Ville = edVille_->text();
    contact.Tel = edTel_->text();
    contact.Fax = edFax_->text();
    contact.Mail = edMail_->text();
    contact.Pays = cbPays_->currentText();
}

} // namespace velorin
