#include "app/FichierIni.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace velorin {

namespace {
bool memeNom(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }
} // namespace

FichierIni::FichierIni(QString chemin) : chemin_(std::move(chemin)) {}

bool FichierIni::existe() const { return QFileInfo::exists(chemin_); }

FichierIni::Contenu FichierIni::lire() const
{
    Contenu contenu;
    contenu.sections_.append(Contenu::Section{});
    QFile fichier(chemin_);
    if (!fichier.open(QIODevice::ReadOnly)) return contenu;
    QByteArray octets = fichier.readAll();
    if (octets.startsWith("\xEF\xBB\xBF")) octets.remove(0, 3);
    const QStringList lignes = QString::fromUtf8(octets).split(QLatin1Char('\n'));
    for (int i = 0; i < lignes.size(); ++i) {
        QString brut = lignes.at(i);
        if (brut.endsWith(QLatin1Char('\r'))) brut.chop(1);
        if (i == lignes.size() - 1 && brut.isEmpty()) break;
        const QString texte = brut.trimmed();
        if (texte.startsWith(QLatin1Char('[')) && texte.endsWith(QLatin1Char(']'))) {
            contenu.sections_.append(Contenu::Section{texte.mid(1, texte.size() - 2).trimmed(), {}});
            continue;
        }
        const qsizetype egal = brut.indexOf(QLatin1Char('='));
        if (egal > 0 && !texte.startsWith(QLatin1Char(';'))) {
            contenu.sections_.last().lignes.append(
                {brut.left(egal).trimmed(), brut.mid(egal + 1).trimmed(), brut});
        } else {
            contenu.sections_.last().lignes.append({{}, {}, brut});
        }
    }
    return contenu;
}

bool FichierIni::enregistrer(const Contenu& contenu)
{
    QString texte;
    for (int s = 0; s < contenu.sections_.size(); ++s) {
        const auto& section = contenu.sections_.at(s);
        if (s > 0) texte += QLatin1Char('[') + section.nom + QStringLiteral("]\r\n");
        for (const auto& ligne : section.lignes) {
            texte += ligne.cle.isEmpty() ? ligne.brut : ligne.cle + QLatin1Char('=') + ligne.valeur;
            texte += QStringLiteral("\r\n");
        }
    }
    QDir().mkpath(QFileInfo(chemin_).absolutePath());
    // Written aside then renamed, so that another program never reads half a file.
    QSaveFile fichier(chemin_);
    if (!fichier.open(QIODevice::WriteOnly)) return false;
    fichier.write(texte.toUtf8());
    return fichier.commit();
}

bool FichierIni::modifier(const std::function<void(Contenu&)>& changements)
{
    // A file that exists but cannot be read is left alone: writing the change alone would
    // replace every other key of it.
    if (existe() && !QFileInfo(chemin_).isReadable()) return false;
    {
        QFile essai(chemin_);
        if (existe() && !essai.open(QIODevice::ReadOnly)) return false;
    }
    Contenu contenu = lire();
    changements(contenu);
    return enregistrer(contenu);
}

FichierIni::Contenu::Section* FichierIni::Contenu::trouver(const QString& section)
{
    for (int s = 1; s < sections_.size(); ++s)
        if (memeNom(sections_[s].nom, section)) return &sections_[s];
    return nullptr;
}

const FichierIni::Contenu::Section* FichierIni::Contenu::trouver(const QString& section) const
{
    return const_cast<Contenu*>(this)->trouver(section);
}

QString FichierIni::Contenu::valeur(const QString& section, const QString& cle, bool* trouve) const
{
    if (trouve) *trouve = false;
    const Section* s = trouver(section);
    if (!s) return {};
    for (const auto& ligne : s->lignes) {
        if (!ligne.cle.isEmpty() && memeNom(ligne.cle, cle)) {
            if (trouve) *trouve = true;
            return ligne.valeur;
        }
    }
    return {};
}

QStringList FichierIni::Contenu::cles(const QString& section) const
{
    QStringList resultat;
    if (const Section* s = trouver(section))
        for (const auto& ligne : s->lignes)
            if (!ligne.cle.isEmpty()) resultat.append(ligne.cle);
    return resultat;
}

void FichierIni::Contenu::ecrire(const QString& section, const QString& cle, const QString& valeur)
{
    Section* s = trouver(section);
    if (!s) {
        sections_.append(Section{section, {}});
        s = &sections_.last();
    }
    for (auto& ligne : s->lignes) {
        if (!ligne.cle.isEmpty() && memeNom(ligne.cle, cle)) {
            ligne.valeur = valeur;
            return;
        }
    }
    // New keys go after the last key, before trailing blank lines.
    qsizetype position = s->lignes.size();
    while (position > 0 && s->lignes.at(position - 1).cle.isEmpty() &&
           s->lignes.at(position - 1).brut.trimmed().isEmpty())
        --position;
    s->lignes.insert(position, {cle, valeur, {}});
}

void FichierIni::Contenu::effacerCle(const QString& section, const QString& cle)
{
    if (Section* s = trouver(section))
        s->lignes.removeIf([&](const Ligne& l) { return !l.cle.isEmpty() && memeNom(l.cle, cle); });
}

void FichierIni::Contenu::effacerSection(const QString& section)
{
    for (int s = sections_.size() - 1; s >= 1; --s)
        if (memeNom(sections_[s].nom, section)) sections_.removeAt(s);
}

QString FichierIni::lireTexte(const QString& section, const QString& cle, const QString& defaut) const
{
    bool trouve = false;
    const QString valeur = lire().valeur(section, cle, &trouve);
    return trouve ? valeur : defaut;
}

int FichierIni::lireEntier(const QString& section, const QString& cle, int defaut) const
{
    bool ok = false;
    const int valeur = lireTexte(section, cle).toInt(&ok);
    return ok ? valeur : defaut;
}

bool FichierIni::lireBooleen(const QString& section, const QString& cle, bool defaut) const
{
    const QString texte = lireTexte(section, cle).trimmed();
    bool ok = false;
    const int valeur = texte.toInt(&ok);
    if (ok) return valeur != 0;
    if (memeNom(texte, QStringLiteral("true"))) return true;
    if (memeNom(texte, QStringLiteral("false"))) return false;
    return defaut;
}

bool FichierIni::cleExiste(const QString& section, const QString& cle) const
{
    bool trouve = false;
    lire().valeur(section, cle, &trouve);
    return trouve;
}

QStringList FichierIni::cles(const QString& section) const { return lire().cles(section); }

bool FichierIni::ecrireTexte(const QString& section, const QString& cle, const QString& valeur)
{
    return modifier([&](Contenu& c) { c.ecrire(section, cle, valeur); });
}

bool FichierIni::ecrireEntier(const QString& section, const QString& cle, int valeur)
{
    return ecrireTexte(section, cle, QString::number(valeur));
}

bool FichierIni::ecrireBooleen(const QString& section, const QString& cle, bool valeur)
{
    return ecrireTexte(section, cle, valeur ? QStringLiteral("1") : QStringLiteral("0"));
}

bool FichierIni::effacerCle(const QString& section, const QString& cle)
{
    return modifier([&](Contenu& c) { c.effacerCle(section, cle); });
}

bool FichierIni::effacerSection(const QString& section)
{
    return modifier([&](Contenu& c) { c.effacerSection(section); });
}

} // namespace velorin
