#include "catalogue/screens/TCadreDetailTVA.h"

#include "app/Dialogues.h"
#include "app/NombresFr.h"
#include "store/DMCommun.h"
#include "store/DMVelorin.h"
#include "ui/ContexteEcrans.h"
#include "ui/EditNombre.h"
#include "ui/MessagesFenetre.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>

#include <cmath>

namespace velorin {

namespace {

QString texteMontant(const QVariant& valeur)
{
    return valeur.isNull() ? QString() : nombres::texte(valeur.toDouble());
}

double nombre(const QSqlRecord& ligne, const QString& colonne)
{
    return ligne.value(colonne).toDouble();
}

bool tauxDifferent(double taux, double actuel)
{
    return taux > 0 && std::abs(taux - actuel) > 1e-9;
}

} // namespace

TCadreDetailTVA::TCadreDetailTVA(ContexteEcrans& contexte, QWidget* parent)
    : QFrame(parent)
    , contexte_(contexte)
{
    setObjectName(QStringLiteral("CadreDetailTVA"));
    construire();
    const OptionsMemoire& options = contexte_.velorin.options().memoire();
    saisie_.setTauxActuels(options.Taux1, options.Taux2);
    lier(nullptr);
    appliquerCouleurs();
}

QString TCadreDetailTVA::questionTaux()
{
    return u"Le prix a été enregistré avec des taux de TVA différents des taux actuels."_qs + u"\n"_qs
        + u"Voulez-vous appliquer les nouveaux taux ?"_qs;
}

void TCadreDetailTVA::construire()
{
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    auto* grille = new QGridLayout(this);
    grille->setContentsMargins(6, 6, 6, 6);
    grille->setHorizontalSpacing(6);
    grille->setVerticalSpacing(4);

    const auto titre = [this](const QString& texte, const QString& nom, Qt::Alignment alignement) {
        auto* l = new QLabel(texte, this);
        l->setObjectName(nom);
        QFont gras = l->font();
        gras.setBold(true);
        l->setFont(gras);
        l->setAlignment(alignement | Qt::AlignVCenter);
        l->setContentsMargins(4, 2, 4, 2);
        titres_.append(l);
        return l;
    };
    const auto valeur = [this](const QString& nom) {
        auto* l = new QLabel(this);
        l->setObjectName(nom);
        // Computed amounts look like boxes that cannot be typed into.
        l->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        l->setMinimumWidth(96);
        l->setMinimumHeight(edHT1_ ? edHT1_->sizeHint().height() : 0);
        l->setContentsMargins(4, 0, 4, 0);
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);
        QPalette p = l->palette();
        p.setColor(QPalette::Window, QColor(0xF2, 0xF2, 0xF2));
        p.setColor(QPalette::WindowText, Qt::black);
        l->setPalette(p);
        l->setAutoFillBackground(true);
        return l;
    };
    const auto boite = [this](const QString& nom) {
        auto* e = new EditNombre(this);
        e->setObjectName(nom);
        e->setMinimumWidth(96);
        e->installEventFilter(this);
        connect(e, &QLineEdit::textEdited, this, [this, e] { saisir(e); });
        return e;
    };

    lblTitre1_ = titre(QStringLiteral("Taux 1"), QStringLiteral("LblTitreTaux1"), Qt::AlignHCenter);
    lblTitre2_ = titre(QStringLiteral("Taux 2"), QStringLiteral("LblTitreTaux2"), Qt::AlignHCenter);
    lblTitreTotal_ = titre(QStringLiteral("Total"), QStringLiteral("LblTitreTotal"), Qt::AlignHCenter);
    grille->addWidget(lblTitre1_, 0, 1);
    grille->addWidget(lblTitre2_, 0, 2);
    grille->addWidget(lblTitreTotal_, 0, 3);
    grille->addWidget(titre(QStringLiteral("HT"), QStringLiteral("LblLigneHT"), Qt::AlignLeft), 1, 0);
    grille->addWidget(titre(QStringLiteral("TVA"), QStringLiteral("LblLigneTVA"), Qt::AlignLeft), 2, 0);
    grille->addWidget(titre(QStringLiteral("TTC"), QStringLiteral("LblLigneTTC"), Qt::AlignLeft), 3, 0);

    edHT1_ = boite(QStringLiteral("DBEHT1"));
    edHT2_ = boite(QStringLiteral("DBEHT2"));
    edTTC1_ = boite(QStringLiteral("DBETTC1"));
    edTTC2_ = boite(QStringLiteral("DBETTC2"));
    lblHT1_ = valeur(QStringLiteral("LblHT1"));
    lblHT2_ = valeur(QStringLiteral("LblHT2"));
    lblTTC1_ = valeur(QStringLiteral("LblTTC1"));
    lblTTC2_ = valeur(QStringLiteral("LblTTC2"));
    lblTVA1_ = valeur(QStringLiteral("LblTVA1"));
    lblTVA2_ = valeur(QStringLiteral("LblTVA2"));
    lblTotalHT_ = valeur(QStringLiteral("LblTotalHT"));
    lblTotalTVA_ = valeur(QStringLiteral("LblTotalTVA"));
    lblTotalTTC_ = valeur(QStringLiteral("LblTotalTTC"));

    // A typed part and its fixed text share a cell: one of the two is shown.
    grille->addWidget(edHT1_, 1, 1);
    grille->addWidget(lblHT1_, 1, 1);
    grille->addWidget(edHT2_, 1, 2);
    grille->addWidget(lblHT2_, 1, 2);
    grille->addWidget(lblTotalHT_, 1, 3);
    grille->addWidget(lblTVA1_, 2, 1);
    grille->addWidget(lblTVA2_, 2, 2);
    grille->addWidget(lblTotalTVA_, 2, 3);
    grille->addWidget(edTTC1_, 3, 1);
    grille->addWidget(lblTTC1_, 3, 1);
    grille->addWidget(edTTC2_, 3, 2);
    grille->addWidget(lblTTC2_, 3, 2);
    grille->addWidget(lblTotalTTC_, 3, 3);
    for (int colonne = 1; colonne <= 3; ++colonne) grille->setColumnStretch(colonne, 1);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

EditNombre* TCadreDetailTVA::edHT(int partie) const
{
    return partie == 1 ? edHT1_ : edHT2_;
}
EditNombre* TCadreDetailTVA::edTTC(int partie) const
{
    return partie == 1 ? edTTC1_ : edTTC2_;
}

void TCadreDetailTVA::montrerBoites(bool boites)
{
    for (EditNombre* e : {edHT1_, edHT2_, edTTC1_, edTTC2_}) e->setVisible(boites);
    for (QLabel* l : {lblHT1_, lblHT2_, lblTTC1_, lblTTC2_}) l->setVisible(!boites);
}

void TCadreDetailTVA::afficherTitres(double taux1, double taux2)
{
    lblTitre1_->setText(u"TVA à "_qs + nombres::texte(taux1) + u" %"_qs);
    lblTitre2_->setText(u"TVA à "_qs + nombres::texte(taux2) + u" %"_qs);
}

void TCadreDetailTVA::lier(QSqlRecord* ligne)
{
    fixe_ = false;
    ligne_ = ligne;
    montrerBoites(true);
    const OptionsMemoire& options = contexte_.velorin.options().memoire();
    saisie_.setTauxActuels(options.Taux1, options.Taux2);
    for (EditNombre* e : {edHT1_, edHT2_, edTTC1_, edTTC2_}) e->setReadOnly(ligne_ == nullptr);
    if (!ligne_) {
        for (EditNombre* e : {edHT1_, edHT2_, edTTC1_, edTTC2_}) e->clear();
        for (QLabel* l : {lblTVA1_, lblTVA2_, lblTotalHT_, lblTotalTVA_, lblTotalTTC_}) l->clear();
        lblTitre1_->setText(QStringLiteral("Taux 1"));
        lblTitre2_->setText(QStringLiteral("Taux 2"));
        return;
    }
    afficherLigne();
    if (tauxDifferent(nombre(*ligne_, u"Taux1"_qs), saisie_.tauxActuel1())
        || tauxDifferent(nombre(*ligne_, u"Taux2"_qs), saisie_.tauxActuel2())) {
        if (contexte_.services.dialogues.question(questionTaux())) {
            // The amounts follow at the next entry.
            ligne_->setValue(u"Taux1"_qs, saisie_.tauxActuel1());
            ligne_->setValue(u"Taux2"_qs, saisie_.tauxActuel2());
            emit ligneModifiee();
        }
    }
    afficherTitres(nombre(*ligne_, u"Taux1"_qs), nombre(*ligne_, u"Taux2"_qs));
}

void TCadreDetailTVA::afficherLigne(EditNombre* saufCelleCi)
{
    if (!ligne_) return;
    const struct {
        EditNombre* edit;
        const char* colonne;
    } boites[] = {{edHT1_, "HT1"}, {edHT2_, "HT2"}, {edTTC1_, "TTC1"}, {edTTC2_, "TTC2"}};
    for (const auto& b : boites)
        if (b.edit != saufCelleCi) b.edit->setValeur(ligne_->value(QString::fromLatin1(b.colonne)));
    lblTVA1_->setText(texteMontant(ligne_->value(u"TVA1"_qs)));
    lblTVA2_->setText(texteMontant(ligne_->value(u"TVA2"_qs)));
    ActualiserTotaux();
}

void TCadreDetailTVA::ActualiserTotaux()
{
    if (fixe_) return;
    if (!ligne_) {
        for (QLabel* l : {lblTotalHT_, lblTotalTVA_, lblTotalTTC_}) l->clear();
        return;
    }
    const QSqlRecord& l = *ligne_;
    lblTotalHT_->setText(nombres::texte(nombre(l, u"HT1"_qs) + nombre(l, u"HT2"_qs)));
    lblTotalTVA_->setText(nombres::texte(nombre(l, u"TVA1"_qs) + nombre(l, u"TVA2"_qs)));
    lblTotalTTC_->setText(nombres::texte(nombre(l, u"TTC1"_qs) + nombre(l, u"TTC2"_qs)));
}

void TCadreDetailTVA::AfficherMontants(const TMontantsTVA& montants)
{
    lier(nullptr);
    fixe_ = true;
    montrerBoites(false);
    lblHT1_->setText(nombres::texte(montants.HT1));
    lblHT2_->setText(nombres::texte(montants.HT2));
    lblTVA1_->setText(nombres::texte(montants.TVA1));
    lblTVA2_->setText(nombres::texte(montants.TVA2));
    lblTTC1_->setText(nombres::texte(montants.TTC1));
    lblTTC2_->setText(nombres::texte(montants.TTC2));
    const double taux1 = montants.HT1 != 0 ? round2(montants.TVA1 / montants.HT1 * 100) : saisie_.tauxActuel1();
    const double taux2 = montants.HT2 != 0 ? round2(montants.TVA2 / montants.HT2 * 100) : saisie_.tauxActuel2();
    afficherTitres(taux1, taux2);
    lblTotalHT_->setText(nombres::texte(montants.HT1 + montants.HT2));
    lblTotalTVA_->setText(nombres::texte(montants.TVA1 + montants.TVA2));
    lblTotalTTC_->setText(nombres::texte(montants.Total));
}

void TCadreDetailTVA::saisir(EditNombre* edit)
{
    if (!ligne_ || edit->isReadOnly()) return;
    bool ok = false;
    const QVariant valeur = edit->valeur(&ok);
    if (!ok) return;
    if (edit == edHT1_ || edit == edHT2_)
        saisie_.saisirHT(*ligne_, edit == edHT1_ ? 1 : 2, valeur);
    else
        saisie_.saisirTTC(*ligne_, edit == edTTC1_ ? 1 : 2, valeur);
    afficherLigne(edit);
    emit ligneModifiee();
}

bool TCadreDetailTVA::eventFilter(QObject* objet, QEvent* evenement)
{
    auto* edit = qobject_cast<EditNombre*>(objet);
    if (edit && (edit == edHT1_ || edit == edHT2_ || edit == edTTC1_ || edit == edTTC2_)) {
        const bool net = edit == edHT1_ || edit == edHT2_;
        switch (evenement->type()) {
        case QEvent::FocusIn: saisie_.setCote(net ? CoteSaisie::HT : CoteSaisie::TTC); break;
        case QEvent::FocusOut: ActualiserTotaux(); break;
        case QEvent::KeyPress: {
            const int touche = static_cast<QKeyEvent*>(evenement)->key();
            EditNombre* cible = nullptr;
            if (touche == Qt::Key_Down) cible = edit == edHT1_ ? edHT2_ : edit == edTTC1_ ? edTTC2_ : nullptr;
            if (touche == Qt::Key_Up) cible = edit == edHT2_ ? edHT1_ : edit == edTTC2_ ? edTTC1_ : nullptr;
            if (cible) {
                cible->setFocus(Qt::OtherFocusReason);
                cible->selectAll();
                return true;
            }
            break;
        }
        default: break;
        }
    }
    return QFrame::eventFilter(objet, evenement);
}

void TCadreDetailTVA::appliquerCouleurs()
{
    const TCouleurs& valeurs = contexte_.commun.couleurs();
    // The titles are the fixed cells of the small grid.
    for (QLabel* l : titres_) {
        QPalette p = l->palette();
        p.setColor(QPalette::Window, couleurs::versQColor(valeurs[4]));
        p.setColor(QPalette::WindowText, couleurs::versQColor(valeurs[6]));
        l->setPalette(p);
        l->setAutoFillBackground(true);
    }
}

bool TCadreDetailTVA::event(QEvent* evenement)
{
    if (evenement->type() == WMChangementCouleur) {
        appliquerCouleurs();
        return true;
    }
    return QFrame::event(evenement);
}

} // namespace velorin
