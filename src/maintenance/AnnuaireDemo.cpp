#include "maintenance/AnnuaireDemo.h"

namespace velorin::demo {

namespace {
QStringList textes(std::initializer_list<const char16_t*> chaines)
{
    QStringList resultat;
    for (const char16_t* t : chaines) resultat.append(QString::fromUtf16(t));
    return resultat;
}
} // namespace

const QList<PaysDemo>& pays()
{
    static const QList<PaysDemo> tous = [] {
        QList<PaysDemo> p;
        p.append({u"France"_qs, 64, QString(), true,
                  textes({u"Jean", u"Pierre", u"Michel", u"Philippe", u"Alain", u"Nicolas", u"Christophe", u"Laurent",
                         u"Thierry", u"Julien", u"Sébastien", u"Olivier", u"François", u"Éric", u"Stéphane",
                         u"Antoine", u"Hugo", u"Lucas", u"Mathieu", u"Vincent"}),
                  textes({u"Marie", u"Nathalie", u"Isabelle", u"Sylvie", u"Catherine", u"Sophie", u"Anne", u"Valérie",
                         u"Christine", u"Sandrine", u"Céline", u"Julie", u"Camille", u"Émilie", u"Claire", u"Hélène",
                         u"Chloé", u"Léa", u"Manon", u"Aurélie"}),
                  textes({u"Martin", u"Bernard", u"Dubois", u"Thomas", u"Robert", u"Richard", u"Petit", u"Durand",
                         u"Leroy", u"Moreau", u"Simon", u"Laurent", u"Lefebvre", u"Michel", u"Garcia", u"David",
                         u"Bertrand", u"Roux", u"Vincent", u"Fournier", u"Morel", u"Girard", u"André", u"Lefèvre",
                         u"Mercier", u"Dupont", u"Lambert", u"Bonnet", u"François", u"Martinez", u"Legrand",
                         u"Garnier", u"Faure", u"Rousseau", u"Blanc", u"Guérin", u"Muller", u"Henry", u"Roussel",
                         u"Nicolas", u"Perrin", u"Morin", u"Mathieu", u"Clément", u"Gauthier", u"Dumont", u"Lopez",
                         u"Fontaine", u"Chevalier", u"Robin"}),
                  textes({u"rue de la République", u"avenue Jean Jaurès", u"rue Victor Hugo", u"boulevard Pasteur",
                         u"rue des Écoles", u"chemin des Vignes", u"place de l'Église", u"rue du Moulin",
                         u"allée des Tilleuls", u"rue Gambetta", u"impasse des Lilas", u"route de Grenoble"}),
                  {{u"Paris"_qs, u"75011"_qs},     {u"Lyon"_qs, u"69003"_qs},         {u"Marseille"_qs, u"13006"_qs},
                   {u"Toulouse"_qs, u"31000"_qs},  {u"Nantes"_qs, u"44000"_qs},       {u"Strasbourg"_qs, u"67000"_qs},
                   {u"Montpellier"_qs, u"34000"_qs}, {u"Bordeaux"_qs, u"33000"_qs},   {u"Lille"_qs, u"59000"_qs},
                   {u"Rennes"_qs, u"35000"_qs},    {u"Grenoble"_qs, u"38000"_qs},     {u"Dijon"_qs, u"21000"_qs},
                   {u"Annecy"_qs, u"74000"_qs},    {u"Avignon"_qs, u"84000"_qs},      {u"Valence"_qs, u"26000"_qs},
                   {u"Clermont-Ferrand"_qs, u"63000"_qs}, {u"Tours"_qs, u"37000"_qs}, {u"Angers"_qs, u"49000"_qs},
                   {u"Nancy"_qs, u"54000"_qs},     {u"Rouen"_qs, u"76000"_qs}}});
        p.append({u"Belgique"_qs, 10, u"+32"_qs, true,
                  textes({u"Luc", u"Marc", u"Philippe", u"Thomas", u"Olivier", u"Koen", u"Pieter"}),
                  textes({u"Anne", u"Sophie", u"Els", u"Marie", u"Julie", u"Nathalie"}),
                  textes({u"Peeters", u"Janssens", u"Maes", u"Jacobs", u"Mertens", u"Willems", u"Claes", u"Goossens",
                         u"Wouters", u"Lambert", u"Dupont", u"Lejeune", u"Renard"}),
                  textes({u"rue Royale", u"avenue Louise", u"Kerkstraat", u"rue de Namur", u"chaussée de Wavre"}),
                  {{u"Bruxelles"_qs, u"1000"_qs}, {u"Liège"_qs, u"4000"_qs}, {u"Namur"_qs, u"5000"_qs},
                   {u"Gent"_qs, u"9000"_qs}, {u"Antwerpen"_qs, u"2000"_qs}, {u"Leuven"_qs, u"3000"_qs}}});
        p.append({u"Suisse"_qs, 5, u"+41"_qs, true, textes({u"Daniel", u"Peter", u"Martin", u"Laurent", u"Yves"}),
                  textes({u"Ursula", u"Monika", u"Sandra", u"Nicole", u"Valérie"}),
                  textes({u"Müller", u"Meier", u"Schmid", u"Keller", u"Weber", u"Favre", u"Rochat", u"Perret"}),
                  textes({u"rue du Rhône", u"Bahnhofstrasse", u"avenue de la Gare", u"chemin des Crêts"}),
                  {{u"Genève"_qs, u"1201"_qs}, {u"Lausanne"_qs, u"1003"_qs}, {u"Neuchâtel"_qs, u"2000"_qs},
                   {u"Fribourg"_qs, u"1700"_qs}, {u"Zürich"_qs, u"8001"_qs}, {u"Bern"_qs, u"3011"_qs}}});
        p.append({u"Allemagne"_qs, 7, u"+49"_qs, true,
                  textes({u"Thomas", u"Michael", u"Andreas", u"Stefan", u"Jürgen", u"Klaus"}),
                  textes({u"Sabine", u"Petra", u"Claudia", u"Andrea", u"Birgit", u"Anja"}),
                  textes({u"Schmidt", u"Schneider", u"Fischer", u"Weber", u"Meyer", u"Wagner", u"Becker", u"Schulz",
                         u"Hoffmann", u"Koch"}),
                  textes({u"Hauptstraße", u"Schillerstraße", u"Gartenweg", u"Lindenallee"}),
                  {{u"Berlin"_qs, u"10115"_qs}, {u"München"_qs, u"80331"_qs}, {u"Hamburg"_qs, u"20095"_qs},
                   {u"Köln"_qs, u"50667"_qs}, {u"Stuttgart"_qs, u"70173"_qs}, {u"Freiburg"_qs, u"79098"_qs}}});
        p.append({u"Royaume-Uni"_qs, 5, u"+44"_qs, false,
                  textes({u"James", u"John", u"David", u"Richard", u"Peter", u"Andrew"}),
                  textes({u"Sarah", u"Emma", u"Helen", u"Claire", u"Susan", u"Jane"}),
                  textes({u"Smith", u"Jones", u"Taylor", u"Brown", u"Williams", u"Wilson", u"Johnson", u"Davies",
                         u"Evans"}),
                  textes({u"High Street", u"Church Lane", u"Station Road", u"Victoria Road"}),
                  {{u"London"_qs, u"SE1 7PB"_qs}, {u"Bath"_qs, u"BA1 1LT"_qs}, {u"York"_qs, u"YO1 7HH"_qs},
                   {u"Oxford"_qs, u"OX1 3BG"_qs}, {u"Bristol"_qs, u"BS1 4DJ"_qs}}});
        p.append({u"Pays-Bas"_qs, 5, u"+31"_qs, false, textes({u"Jan", u"Pieter", u"Dirk", u"Sander", u"Bram"}),
                  textes({u"Anke", u"Ingrid", u"Marieke", u"Sanne", u"Femke"}),
                  textes({u"de Jong", u"Jansen", u"de Vries", u"van den Berg", u"Bakker", u"Visser", u"Smit",
                         u"Meijer"}),
                  textes({u"Kerkstraat", u"Dorpsstraat", u"Molenweg", u"Stationsplein"}),
                  {{u"Amsterdam"_qs, u"1012 AB"_qs}, {u"Utrecht"_qs, u"3511 AD"_qs}, {u"Rotterdam"_qs, u"3011 AD"_qs},
                   {u"Eindhoven"_qs, u"5611 AB"_qs}}});
        p.append({u"Italie"_qs, 2, u"+39"_qs, true, textes({u"Marco", u"Luca", u"Giuseppe", u"Paolo"}),
                  textes({u"Giulia", u"Francesca", u"Chiara", u"Elena"}),
                  textes({u"Rossi", u"Russo", u"Ferrari", u"Esposito", u"Bianchi", u"Romano"}),
                  textes({u"via Roma", u"via Garibaldi", u"corso Vittorio Emanuele"}),
                  {{u"Milano"_qs, u"20121"_qs}, {u"Torino"_qs, u"10121"_qs}, {u"Genova"_qs, u"16121"_qs},
                   {u"Roma"_qs, u"00184"_qs}}});
        p.append({u"Espagne"_qs, 2, u"+34"_qs, true, textes({u"Javier", u"Carlos", u"Antonio", u"Jordi"}),
                  textes({u"María", u"Carmen", u"Laura", u"Núria"}),
                  textes({u"García", u"Fernández", u"González", u"Rodríguez", u"López", u"Martínez"}),
                  textes({u"calle Mayor", u"avenida de la Constitución", u"carrer de Balmes"}),
                  {{u"Barcelona"_qs, u"08001"_qs}, {u"Madrid"_qs, u"28001"_qs}, {u"Valencia"_qs, u"46001"_qs},
                   {u"Girona"_qs, u"17001"_qs}}});
        return p;
    }();
    return tous;
}

QList<HebergementDemo> hebergements(int nombre)
{
    const GenreHebergement chambre{u"Chambre"_qs, 2, 78};
    const GenreHebergement grandeChambre{u"Chambre"_qs, 3, 88};
    const GenreHebergement suite{u"Suite"_qs, 4, 125};
    const GenreHebergement gite{u"Gîte"_qs, 6, 165};
    const GenreHebergement studio{u"Studio"_qs, 2, 82};
    const GenreHebergement insolite{QString(), 2, 95};

    QList<HebergementDemo> liste{
        {u"Chambre Lavande"_qs, chambre},          {u"Chambre Olivier"_qs, grandeChambre},
        {u"Chambre Tilleul"_qs, chambre},          {u"Suite des Vignes"_qs, suite},
        {u"Chambre Romarin"_qs, chambre},          {u"Chambre Thym"_qs, grandeChambre},
        {u"Gîte du Moulin"_qs, gite},              {u"Chambre Cigale"_qs, chambre},
        {u"Chambre Figuier"_qs, chambre},          {u"Suite Ventoux"_qs, suite},
        {u"Roulotte"_qs, {QString(), 2, 68}, true}, {u"Cabane perchée"_qs, insolite, false, true},
    };
    const QStringList plantes =
        textes({u"Amandier", u"Abricotier", u"Cerisier", u"Genêt", u"Sauge", u"Mimosa", u"Cyprès", u"Chêne",
               u"Platane", u"Pin", u"Noyer", u"Sarriette", u"Verveine", u"Iris", u"Pivoine", u"Acacia",
               u"Églantine", u"Bruyère", u"Coquelicot", u"Tournesol", u"Jasmin", u"Magnolia", u"Glycine", u"Laurier",
               u"Myrte", u"Santoline", u"Camomille", u"Capucine", u"Arbousier", u"Micocoulier"});
    const QList<GenreHebergement> genres{chambre, studio, grandeChambre, suite};
    for (qsizetype i = 0; liste.size() < nombre; ++i) {
        const GenreHebergement& genre = genres.at(i / plantes.size() % genres.size());
        liste.append({genre.prefixe + u" "_qs + plantes.at(i % plantes.size()), genre});
    }
    return liste.mid(0, nombre);
}

QStringList remarquesDuJour()
{
    return textes({u"Livraison de bois", u"Marché de Noël au village", u"Fête votive", u"Vide-grenier au village",
                  u"Contrôle de la piscine", u"Ramonage des cheminées", u"Arrivée tardive prévue",
                  u"Jardinier le matin", u"Coupure d'eau de 9 h à 12 h", u"Réunion de l'office de tourisme",
                  u"Marché nocturne", u"Concert à l'église", u"Passage du Tour de France",
                  u"Fête de l'olive", u"Corso fleuri", u"Visite de la commission de classement"});
}

QStringList remarquesDeReservation()
{
    return textes({u"Arrivée tardive vers 21 h", u"Allergie aux fruits à coque", u"Anniversaire de mariage",
                  u"Végétariens", u"Arrivée en train, gare de Montélimar", u"Voyage à vélo",
                  u"Demande un lit d'appoint", u"Sans gluten"});
}

QStringList origines()
{
    return textes({u"Internet", u"Bouche à oreille", u"Office de tourisme", u"Guide", u"Déjà venu"});
}

QString pourAdresse(const QString& texte)
{
    QString resultat;
    for (const QChar c : texte.normalized(QString::NormalizationForm_D)) {
        if (c == u'ß') resultat += u"ss"_qs;
        else if (c.isLetterOrNumber() && c.unicode() < 128) resultat += c.toLower();
    }
    return resultat;
}

} // namespace velorin::demo
