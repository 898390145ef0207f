#include "reservations/screens/ChampsSaisie.h"

#include <QCalendarWidget>
#include <QEvent>
#include <QKeyEvent>
#include <QLocale>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>

namespace velorin {

QString texteMontant(double valeur)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    // No "-0,00" for a value rounded to zero.
    const double arrondi = std::abs(valeur) < 0.005 ? 0.0 : valeur;
    return locale.toString(arrondi, 'f', 2);
}

std::optional<double> lireNombre(const QString& texte)
{
    QString nettoye = texte.trimmed();
    nettoye.remove(QLatin1Char(' ')).remove(QChar(0x00A0)).remove(QChar(0x202F));
    nettoye.replace(QLatin1Char(','), QLatin1Char('.'));
    if (nettoye.isEmpty()) return std::nullopt;
    bool ok = false;
    const double valeur = nettoye.toDouble(&ok);
    if (!ok) return std::nullopt;
    return valeur;
}

namespace {

// Keys that edit or leave a field rather than type into it.
bool toucheEdition(const QKeyEvent* evenement)
{
    if (evenement->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return true;
    switch (evenement->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape: return true;
    default: break;
    }
    return evenement->text().isEmpty() || !evenement->text().at(0).isPrint();
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Date

ChampDate::ChampDate(QWidget* parent)
    : QDateEdit(parent)
{
    setCalendarPopup(true);
    setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    setMinimumDate(QDate(1900, 1, 1));
    setSpecialValueText(QStringLiteral(" "));
    setDate(minimumDate());
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    if (QCalendarWidget* calendrier = calendarWidget()) {
        calendrier->installEventFilter(this);
        connect(calendrier, &QCalendarWidget::clicked, this, &ChampDate::valider);
        connect(calendrier, &QCalendarWidget::activated, this, &ChampDate::valider);
    }
    connect(this, &QDateEdit::editingFinished, this, &ChampDate::valider);
}

QDate ChampDate::valeur() const
{
    const QDate d = date();
    return d == minimumDate() ? QDate() : d;
}

void ChampDate::setValeur(const QDate& date)
{
    derniere_ = date.isValid() ? date : QDate();
    setDate(derniere_.isValid() ? derniere_ : minimumDate());
}

void ChampDate::saisir(const QDate& date)
{
    setDate(date.isValid() ? date : minimumDate());
    valider();
}

void ChampDate::valider()
{
    const QDate actuelle = valeur();
    if (actuelle == derniere_) return;
    derniere_ = actuelle;
    emit dateModifiee();
}

QDate ChampDate::depart() const
{
    const QDate d = dateDepart ? dateDepart() : QDate();
    return d.isValid() ? d : QDate::currentDate();
}

void ChampDate::keyPressEvent(QKeyEvent* evenement)
{
    if (evenement->key() == Qt::Key_Delete) {
        // Delete empties the field: the way to take a date back.
        setDate(minimumDate());
        valider();
        return;
    }
    const bool chiffre = !evenement->text().isEmpty() && evenement->text().at(0).isDigit();
    if (estVide() && (chiffre || evenement->key() == Qt::Key_Up || evenement->key() == Qt::Key_Down)) {
        // Typing into an empty field starts from a date near the one wanted, not from 1900.
        setDate(depart());
        setCurrentSection(QDateTimeEdit::DaySection);
    }
    QDateEdit::keyPressEvent(evenement);
}

bool ChampDate::eventFilter(QObject* objet, QEvent* evenement)
{
    if (evenement->type() == QEvent::Show && objet == calendarWidget() && estVide() && remplirALOuverture
        && dateDepart && dateDepart().isValid()) {
        saisir(dateDepart());
    } else if (evenement->type() == QEvent::Show && objet == calendarWidget() && estVide()) {
        // The calendar of an empty field opens on the month of its starting date.
        QCalendarWidget* calendrier = calendarWidget();
        const QSignalBlocker blocage(calendrier);
        const QDate d = depart();
        calendrier->setSelectedDate(d);
        calendrier->setCurrentPage(d.year(), d.month());
    }
    return QDateEdit::eventFilter(objet, evenement);
}

// ---------------------------------------------------------------------------------------------
// Time

SaisieHeure::SaisieHeure(QWidget* parent)
    : QLineEdit(parent)
{
    setInputMask(QStringLiteral("99:99;_"));
    setAlignment(Qt::AlignCenter);
    const int largeur = fontMetrics().horizontalAdvance(QStringLiteral("00:00")) + 24;
    setMinimumWidth(largeur);
    setMaximumWidth(largeur + 16);
}

bool SaisieHeure::estVide() const
{
    return text().remove(QLatin1Char(':')).trimmed().isEmpty();
}

QTime SaisieHeure::heure() const
{
    const QString chiffres = text().remove(QLatin1Char(':'));
    if (chiffres.size() != 4) return {};
    return QTime(chiffres.left(2).toInt(), chiffres.right(2).toInt());
}

void SaisieHeure::setHeure(const QTime& heure)
{
    if (heure.isValid())
        setText(heure.toString(QStringLiteral("hh:mm")));
    else
        clear();
}

bool SaisieHeure::chiffreAccepte(const QString& texte, int position, QChar chiffre)
{
    if (!chiffre.isDigit()) return false;
    const auto caractere = [&texte](int i) { return i < texte.size() ? texte.at(i) : QChar(); };
    switch (position) {
    case 0:
        // A 2 in front of a second digit above 3 would make no hour.
        if (chiffre > QLatin1Char('2')) return false;
        return chiffre != QLatin1Char('2') || !caractere(1).isDigit() || caractere(1) <= QLatin1Char('3');
    case 1: return caractere(0) != QLatin1Char('2') || chiffre <= QLatin1Char('3');
    case 2:
    case 3: return chiffre <= QLatin1Char('5');
    default: return position == 4;
    }
}

void SaisieHeure::keyPressEvent(QKeyEvent* evenement)
{
    const QString texte = evenement->text();
    if (texte.size() == 1 && texte.at(0).isDigit()) {
        const int position = hasSelectedText() ? selectionStart() : cursorPosition();
        if (!chiffreAccepte(displayText(), position, texte.at(0))) return;
    }
    QLineEdit::keyPressEvent(evenement);
}

// ---------------------------------------------------------------------------------------------
// Amount and count

SaisieMontant::SaisieMontant(QWidget* parent)
    : QLineEdit(parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void SaisieMontant::keyPressEvent(QKeyEvent* evenement)
{
    if (toucheEdition(evenement)) {
        QLineEdit::keyPressEvent(evenement);
        return;
    }
    const QString texte = evenement->text();
    const QChar c = texte.at(0);
    QString reste = text();
    if (hasSelectedText()) reste.remove(selectionStart(), selectedText().size());
    if (c.isDigit() && texte.size() == 1) {
        QLineEdit::keyPressEvent(evenement);
        return;
    }
    if (c == QLatin1Char('.') || c == QLatin1Char(',')) {
        const QString separateur = QLocale().decimalPoint();
        if (reste.contains(separateur) || reste.contains(QLatin1Char('.')) || reste.contains(QLatin1Char(','))) return;
        insert(separateur);
        return;
    }
    if (c == QLatin1Char('-') && reste.isEmpty()) {
        QLineEdit::keyPressEvent(evenement);
        return;
    }
    // Anything else is refused.
}

SaisieEntier::SaisieEntier(QWidget* parent)
    : QLineEdit(parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void SaisieEntier::keyPressEvent(QKeyEvent* evenement)
{
    if (toucheEdition(evenement) || (evenement->text().size() == 1 && evenement->text().at(0).isDigit()))
        QLineEdit::keyPressEvent(evenement);
}

// ---------------------------------------------------------------------------------------------
// Folding panel

PanneauRepliable::PanneauRepliable(const QString& titre, const QString& nom, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(nom);
    auto* disposition = new QVBoxLayout(this);
    disposition->setContentsMargins(0, 0, 0, 0);
    disposition->setSpacing(0);

    barre_ = new QToolButton(this);
    barre_->setObjectName(nom + QStringLiteral("Titre"));
    barre_->setText(titre);
    barre_->setToolTip(u"Cliquez pour replier ou déplier"_qs);
    barre_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    barre_->setArrowType(Qt::DownArrow);
    barre_->setAutoRaise(true);
    barre_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    barre_->setAutoFillBackground(true);
    QPalette blanc = barre_->palette();
    blanc.setColor(QPalette::Window, Qt::white);
    blanc.setColor(QPalette::Button, Qt::white);
    barre_->setPalette(blanc);
    QFont gras = barre_->font();
    gras.setBold(true);
    barre_->setFont(gras);
    barre_->setFocusPolicy(Qt::NoFocus);
    disposition->addWidget(barre_);

    contenu_ = new QWidget(this);
    contenu_->setObjectName(nom + QStringLiteral("Contenu"));
    disposition->addWidget(contenu_, 1);

    connect(barre_, &QToolButton::clicked, this, [this] { setReplie(!replie()); });
}

void PanneauRepliable::setReplie(bool replie)
{
    if (replie == this->replie()) return;
    contenu_->setVisible(!replie);
    barre_->setArrowType(replie ? Qt::RightArrow : Qt::DownArrow);
    emit replieChange(replie);
}

} // namespace velorin
