#include "app/screens/TFrmParamCouleurs.h"

#include "app/Dialogues.h"
#include "store/DMCommun.h"
#include "store/DMVelorin.h"
#include "ui/MessagesFenetre.h"
#include "ui/PanneauDegrade.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace velorin {

namespace {
constexpr int blanc = 0xFFFFFF;
constexpr int repas = 9;

QString nomEchantillon(int numero)
{
    return QStringLiteral("Echantillon%1").arg(numero);
}

// The swatch of one colour: the colour itself inside a thin dark border.
class Echantillon : public QWidget {
public:
    using QWidget::QWidget;
    QColor couleur;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter peintre(this);
        const QRect r = rect().adjusted(0, 0, -1, -1);
        peintre.fillRect(r, couleur);
        peintre.setPen(QColor(60, 60, 60));
        peintre.drawRect(r);
    }
};
} // namespace

TFrmParamCouleurs::TFrmParamCouleurs(ContexteEcrans& contexte, QWidget* parent)
    : T_FrmSaisieStd(contexte, parent)
    , travail_(contexte.commun.couleurs())
{
    setWindowTitle(u"Paramétrage des couleurs"_qs);

    auto* disposition = new QHBoxLayout(centre());
    disposition->setContentsMargins(12, 12, 12, 12);
    disposition->setSpacing(12);

    grille_ = new QTableWidget(0, 2, centre());
    grille_->setObjectName(QStringLiteral("GrilleCouleurs"));
    grille_->horizontalHeader()->hide();
    grille_->verticalHeader()->hide();
    grille_->setSelectionMode(QAbstractItemView::NoSelection);
    grille_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grille_->setFocusPolicy(Qt::StrongFocus);
    grille_->setShowGrid(false);
    grille_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    grille_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    grille_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Fixed);
    grille_->setColumnWidth(1, 90);
    grille_->installEventFilter(this);
    disposition->addWidget(grille_, 1);

    // Group headings and their colours, in number order; the meal days' colour only when
    // the planning shows meals.
    const bool avecRepas = contexte.velorin.options().memoire().AffRepas;
    QString groupe;
    for (int numero = 0; numero < couleurs::nombre; ++numero) {
        if (numero == repas && !avecRepas) continue;
        if (couleurs::groupe(numero) != groupe) {
            groupe = couleurs::groupe(numero);
            const int ligne = grille_->rowCount();
            grille_->insertRow(ligne);
            auto* titre = new QTableWidgetItem(groupe);
            titre->setFlags(Qt::ItemIsEnabled);
            QFont gras = titre->font();
            gras.setBold(true);
            titre->setFont(gras);
            grille_->setItem(ligne, 0, titre);
            grille_->setSpan(ligne, 0, 1, 2);
            numeros_.append(-1);
        }
        const int ligne = grille_->rowCount();
        grille_->insertRow(ligne);
        auto* libelle = new QTableWidgetItem(u"    "_qs + couleurs::nom(numero));
        libelle->setFlags(Qt::ItemIsEnabled);
        grille_->setItem(ligne, 0, libelle);
        auto* cellule = new QWidget(grille_);
        cellule->setAttribute(Qt::WA_TransparentForMouseEvents);
        auto* dispositionCellule = new QHBoxLayout(cellule);
        dispositionCellule->setContentsMargins(10, 4, 10, 4);
        auto* echantillon = new Echantillon(cellule);
        echantillon->setObjectName(nomEchantillon(numero));
        dispositionCellule->addWidget(echantillon);
        echantillons_.insert(numero, echantillon);
        grille_->setCellWidget(ligne, 1, cellule);
        numeros_.append(numero);
        peindreEchantillon(numero);
    }

    auto* boutons = new QVBoxLayout;
    boutons->setSpacing(8);
    auto* modifier = new QPushButton(u"&Modifier"_qs, centre());
    modifier->setObjectName(QStringLiteral("BtnModifier"));
    auto* defaut = new QPushButton(u"&Defaut"_qs, centre());
    defaut->setObjectName(QStringLiteral("BtnDefaut"));
    boutons->addWidget(modifier);
    boutons->addWidget(defaut);
    boutons->addStretch(1);
    disposition->addLayout(boutons);

    connect(modifier, &QPushButton::clicked, this, &TFrmParamCouleurs::Modifier);
    connect(defaut, &QPushButton::clicked, this, &TFrmParamCouleurs::Defaut);
    connect(grille_, &QTableWidget::cellClicked, this, [this](int ligne, int) {
        if (numeros_.value(ligne, -1) >= 0) selectionner(numeros_.at(ligne));
    });
    connect(grille_, &QTableWidget::cellDoubleClicked, this, [this](int ligne, int) {
        if (numeros_.value(ligne, -1) < 0) return;
        selectionner(numeros_.at(ligne));
        Modifier();
    });

    selectionner(0);
    // Every row in sight without scrolling: the rows, the margins and the bottom bar.
    const int hauteurGrille = grille_->verticalHeader()->length() + 2 * grille_->frameWidth();
    resize(620,
        hauteurGrille + disposition->contentsMargins().top() + disposition->contentsMargins().bottom()
            + panelBas()->sizeHint().height());
}

void TFrmParamCouleurs::selectionner(int numero)
{
    if (ligneDe(numero) < 0) return;
    selection_ = numero;
    grille_->scrollToItem(grille_->item(ligneDe(numero), 0));
    peindreLignes();
}

void TFrmParamCouleurs::deplacer(int sens)
{
    int ligne = ligneDe(selection_);
    do {
        ligne += sens;
    } while (ligne >= 0 && ligne < numeros_.size() && numeros_.at(ligne) < 0);
    if (ligne >= 0 && ligne < numeros_.size()) selectionner(numeros_.at(ligne));
}

bool TFrmParamCouleurs::eventFilter(QObject* objet, QEvent* evenement)
{
    if (objet == grille_ && evenement->type() == QEvent::KeyPress) {
        const int touche = static_cast<QKeyEvent*>(evenement)->key();
        if (touche == Qt::Key_Up || touche == Qt::Key_Down) {
            deplacer(touche == Qt::Key_Up ? -1 : 1);
            return true;
        }
    }
    return T_FrmSaisieStd::eventFilter(objet, evenement);
}

void TFrmParamCouleurs::keyPressEvent(QKeyEvent* evenement)
{
    if (evenement->key() == Qt::Key_Up || evenement->key() == Qt::Key_Down) {
        deplacer(evenement->key() == Qt::Key_Up ? -1 : 1);
        return;
    }
    T_FrmSaisieStd::keyPressEvent(evenement);
}

void TFrmParamCouleurs::peindreEchantillon(int numero)
{
    auto* echantillon = static_cast<Echantillon*>(echantillons_.value(numero));
    if (!echantillon) return;
    echantillon->couleur = couleurs::versQColor(travail_[static_cast<std::size_t>(numero)]);
    echantillon->update();
}

QColor TFrmParamCouleurs::couleurEchantillon(int numero) const
{
    const auto* echantillon = static_cast<const Echantillon*>(echantillons_.value(numero));
    return echantillon ? echantillon->couleur : QColor();
}

void TFrmParamCouleurs::peindreLignes()
{
    const TCouleurs& programme = commun().couleurs();
    const QColor selectionnee = couleurs::versQColor(programme[2]);
    const QColor autre = couleurs::versQColor(programme[4]);
    const QColor texte = couleurs::versQColor(programme[6]);
    for (int ligne = 0; ligne < numeros_.size(); ++ligne) {
        const bool choisie = numeros_.at(ligne) >= 0 && numeros_.at(ligne) == selection_;
        const QColor fond = choisie ? selectionnee : autre;
        for (int colonne = 0; colonne < 2; ++colonne) {
            if (QTableWidgetItem* item = grille_->item(ligne, colonne)) {
                item->setBackground(fond);
                item->setForeground(texte);
            } else {
                auto* vide = new QTableWidgetItem;
                vide->setFlags(Qt::ItemIsEnabled);
                vide->setBackground(fond);
                grille_->setItem(ligne, colonne, vide);
            }
        }
    }
    QPalette p = grille_->palette();
    p.setColor(QPalette::Base, autre);
    grille_->setPalette(p);
}

void TFrmParamCouleurs::AppliquerCouleurs()
{
    T_FrmSaisieStd::AppliquerCouleurs();
    if (grille_) peindreLignes();
}

void TFrmParamCouleurs::Modifier()
{
    if (selection_ < 0) {
        dialogues().information(u"Vous devez d'abord sélectionner le type de couleur à modifier."_qs);
        return;
    }
    const auto index = static_cast<std::size_t>(selection_);
    const QColor choisie = dialogues().choisirCouleur(couleurs::versQColor(travail_[index]));
    if (!choisie.isValid()) return;
    travail_[index] = couleurs::depuisQColor(choisie);
    peindreEchantillon(selection_);
}

void TFrmParamCouleurs::Defaut()
{
    travail_ = couleursParDefaut();
    for (int numero : numeros_)
        if (numero >= 0) peindreEchantillon(numero);
}

QStringList TFrmParamCouleurs::raisonsRefus(const TCouleurs& v)
{
    QStringList raisons;
    if (v[4] == v[6])
        raisons
            << u" - La couleur de fond des fenêtres ne peut pas être identique à la couleur des titres de zones."_qs;
    if (v[6] == v[7] || v[6] == v[8] || v[6] == v[9] || v[6] == v[2] || v[6] == v[3] || v[6] == blanc)
        raisons
            << u" - La couleur des titres de zones ne peut pas être identique à la couleur de fond des jours "
               u"fériés, ou des week-end, ou des jours avec repas, ou les couleurs 1 et 2 des grilles, ou le blanc."_qs;
    if (v[11] == v[7] || v[11] == v[8] || v[11] == v[9] || v[11] == blanc)
        raisons << u" - La couleur des réservations non confirmées ne peut pas être identique à la couleur de fond "
                   u"des jours fériés, ou des week-end, ou des jours avec repas, ou le blanc."_qs;
    return raisons;
}

bool TFrmParamCouleurs::Valider()
{
    const QStringList raisons = raisonsRefus(travail_);
    if (!raisons.isEmpty()) {
        QString message = u"Le programme ne peut pas enregistrer votre paramétrage de couleurs pour la ou les raisons "
                          u"suivantes, qui conduiraient à masquer certaines informations : "_qs;
        for (const QString& raison : raisons) message += u"\n"_qs + raison;
        dialogues().avertissement(message);
        return false;
    }
    if (!commun().EnregistrerCouleurs(travail_)) return false;
    envoyerMessage(contexte().fenetrePrincipale, WMChangementCouleur);
    return true;
}

} // namespace velorin
