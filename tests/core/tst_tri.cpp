#include "affichefleches.h"
#include "lecturedateexif.h"
#include "lignecommande.h"
#include "nomsfichiers.h"
#include "ordresdeplacement.h"
#include "regleprofil.h"
#include "typesfichiers.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

using namespace OrdresDeplacement;

namespace {

// Lists are written as letters, one entry each: "ABCDE".
QList<int> indices(const QString& liste, const QString& choisies) {
    QList<int> sources;
    for (QChar c : choisies)
        sources.append(int(liste.indexOf(c)));
    return sources;
}

QString lettres(const QString& liste, const QList<int>& ordre) {
    QString s;
    for (int i : ordre)
        s += liste.at(i);
    return s;
}

} // namespace

class TstTri : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void deplacements();
    void date();
    void motifs();
    void environnement();
};

void TstTri::deplacements() {
    // Entries, current index, up arrow, down arrow.
    for (const auto& [nombre, index, haut, bas] : {
             std::tuple{1, 0, false, false},
             {3, -1, false, false},
             {3, 0, false, true},
             {3, 2, true, false},
             {3, 1, true, true},
             {2, 1, true, false},
         }) {
        const EtatFleches f = Affiche_Fleches(nombre, index);
        QCOMPARE(f.ImgUp, haut);
        QCOMPARE(f.ImgDown, bas);
    }

    const QString liste = QStringLiteral("ABCDEFG");
    // Moved entries, order (0..3, 4 cancels), rank, list after; the target may itself move.
    for (const auto& [choisies, ordre, rang, attendu] : {
             std::tuple{"BD", 0, 4, "ACBDE"},
             {"BD", 1, 4, "ACDBE"},
             {"BC", 2, 5, "ADEBC"},
             {"BC", 3, 5, "ADECB"},
             {"BC", 4, 5, "ABCDE"},
             // Sources given out of list order still move in list order.
             {"DB", 0, 1, "BDACE"},
         })
        QCOMPARE(lettres(liste, Deplacer(5, indices(liste, choisies), ordre, rang)),
                 QString(attendu));

    // Moved entries, wheel steps, list after: a block stops at either end, a scattered
    // selection is gathered.
    for (const auto& [choisies, pas, attendu] : {
             std::tuple{"CD", 2, "ABEFCDG"},
             {"CD", -5, "CDABEFG"},
             {"BDF", 1, "ACBDFEG"},
             {"BD", 0, "ABDCEFG"},
         }) {
        const auto cible = CibleMolette(7, indices(liste, choisies), pas);
        QVERIFY(cible);
        QCOMPARE(lettres(liste, Deplacer(7, indices(liste, choisies), cible->ordre, cible->rang)),
                 QString(attendu));
    }
    // Nothing to move.
    QVERIFY(!CibleMolette(7, indices(liste, "AB"), -5));
    QVERIFY(!CibleMolette(7, indices(liste, "FG"), 5));
}

void TstTri::date() {
    const char entete[] = "\xFF\xD8\xFF\xE1\x01\x20"
                          "Exif\0\0II*\0\x08\0\0\0\x02\0\x32\x01\x02\0\x14\0\0\0\x26\0\0\0";
    const QByteArray jpeg = QByteArray(entete, sizeof entete - 1) + "2019:07:14 10:20:30" +
                            QByteArray("\0\x01\0\x03\x90\x02\0\x14\0\0\0", 11) +
                            "2019:07:12 08:00:00" + QByteArray("\0\xFF\xDB\0\x43", 5);
    // The bytes read, the date for sorting (none when unreadable).
    for (const auto& [debut, tri] : {
             // A JPEG header with two dates: the one the picture was taken.
             std::pair{jpeg, "2019-07-12 08:00:00"},
             {QByteArray("xxxx2019:07;12T08:00:00"), "2019-07-12 08:00:00"},
             // After a lone colon, the next date.
             {QByteArray("2018:01:02 03:04:05 abcd: 2020:06:07 08:09:10"), "2020-06-07 08:09:10"},
             // The first 1000 bytes only.
             {QByteArray(981, 'x') + "2010:10:10 10:10:10", "2010-10-10 10:10:10"},
             {QByteArray(993, 'x') + "2010:10:10 10:10:10", ""},
             {QByteArray("2019:13:12 08:00:00"), ""},
             {QByteArray("2019:02:29 08:00:00"), ""},
             {QByteArray("2019:07:12 25:00:00"), ""},
         }) {
        const DateExif d = LireDateExif(debut);
        const QString t(tri);
        QCOMPARE(d.DateTri, t);
        QCOMPARE(d.DatePhoto, t.isEmpty()
                                  ? QStringLiteral("Lecture impossible")
                                  : t.mid(8, 2) + '/' + t.mid(5, 2) + '/' + t.left(4) + t.mid(10));
        QCOMPARE(d.lue(), !t.isEmpty());
    }

    // Many generated headers, mostly digits, colons and spaces so that near-dates are common.
    // Each input sits in front of a date that must never be seen: the result is the same
    // whichever date follows, so nothing was read past the bytes given.
    QRandomGenerator hasard(20240517);
    // Whatever the bytes, a date read has the shape of a date.
    const QRegularExpression forme(QStringLiteral("^\\d\\d/\\d\\d/\\d{4} \\d\\d:\\d\\d:\\d\\d$"));
    int lues = 0;
    for (int essai = 0; essai < 100000; ++essai) {
        const int taille = essai % 10 == 0 ? int(hasard.bounded(1100)) : int(hasard.bounded(60));
        QByteArray t(taille, '\0');
        for (char& c : t) {
            const quint32 tirage = hasard.bounded(100);
            c = tirage < 45   ? char('0' + hasard.bounded(10))
                : tirage < 60 ? ':'
                : tirage < 70 ? ' '
                              : char(hasard.bounded(256));
        }
        if (essai % 3 == 0 && taille >= 19)
            t.replace(hasard.bounded(taille - 18), 19, "2019:07:12 08:00:00");

        const DateExif a = LireDateExif(QByteArrayView(t + "2001:01:01 01:01:01").first(taille));
        const DateExif b = LireDateExif(QByteArrayView(t + "2002:02:02 02:02:02").first(taille));
        if (a.DatePhoto != b.DatePhoto)
            QFAIL(qPrintable(QStringLiteral("lu au-delà des octets donnés: ") + t.toHex()));
        if (!a.lue()) {
            QCOMPARE(a.DatePhoto, QStringLiteral("Lecture impossible"));
            continue;
        }
        ++lues;
        QVERIFY2(forme.match(a.DatePhoto).hasMatch(), qPrintable(a.DatePhoto));
    }
    // The generator must reach the dated paths, or this test proves little.
    QVERIFY(lues > 1000);
}

void TstTri::motifs() {
    for (const auto& [nom, motif, attendu] : {
             std::tuple{"A.JPG", "*.jpg", true},
             {"a.jpg   [M]", "*.jpg", false},
             {"sans extension", "*.*", true},
             {"x.mp3   [M]", "*.*   [M]", true},
             {"x.mp3  [M]", "*.*   [M]", false},
         })
        QVERIFY2(NomsFichiers::CorrespondMotif(QString::fromUtf8(nom), motif) == attendu, nom);
    for (const char* t : {"a\\b", "a/b", "a:b", "a*b", "a?b", "a\"b", "a<b", "a>b"})
        QVERIFY2(NomsFichiers::ContientCaractereInterdit(QString::fromUtf8(t)), t);
    QVERIFY(!NomsFichiers::ContientCaractereInterdit(" _ Été [M] (R) 'x'.jpg"));

    QStringList noms{"b.jpg", "A.jpg", "a.jpg", "Été.jpg", "_x.jpg", "10.jpg", "2.jpg", "B.jpg"};
    NomsFichiers::TrierCommeDossier(noms);
    QCOMPARE(noms, QStringList({"10.jpg", "2.jpg", "A.jpg", "a.jpg", "B.jpg", "b.jpg", "_x.jpg",
                                "Été.jpg"}));

    // Entries, file type, filter, the list shown.
    const QString illisible = QStringLiteral(" / nom illisible");
    for (auto [entrees, index, filtre, attendu] : {
             // Marked first, then bmp before jpg.
             std::tuple{QStringList{"a.jpg   [M]", "b.jpg", "c.bmp"}, 0, "",
                        QStringList{"a.jpg   [M]", "c.bmp", "b.jpg"}},
             {QStringList{"a.mid", "b.wav", "c.mp3", "d.jpg"}, 4, "",
              QStringList{"c.mp3", "b.wav", "a.mid"}},
             {QStringList{"ETE 2019.jpg", "Ete 2019.jpg", "hiver.jpg"}, 7, "Ete",
              QStringList{"Ete 2019.jpg"}},
             // An empty filter: the marked files only.
             {QStringList{"a.jpg   [M]", "b.jpg"}, 7, "", QStringList{"a.jpg   [M]"}},
             // An unreadable name is sorted by what can be read of it.
             {QStringList{"a.JPG" + illisible, "b.jpg   [M]" + illisible, "c.txt" + illisible}, 0,
              "", QStringList{"b.jpg   [M]" + illisible, "a.JPG" + illisible}},
         }) {
        NomsFichiers::TrierCommeDossier(entrees);
        QCOMPARE(TypesFichiers::ComposerListe(entrees, index, {filtre, true}), attendu);
    }

    QVERIFY(TypesFichiers::EstImage(TypesFichiers::Gif) && !TypesFichiers::EstImage(4));
    QCOMPARE(TypesFichiers::Motifs(0),
             QStringList({"*.bmp", "*.jpg", "*.jpeg", "*.gif", "*.wmf", "*.ico"}));
}

void TstTri::environnement() {
    for (const auto& [dossier, accepte] : {
             std::pair{"/home/nom", true},
             {"/home/nommé", false},
             {"/mnt/c/Users/Nom", true},
             {"/home/nom/Public", false},
             {"/home/nom/Publications", true},
         })
        QVERIFY2(DossierProfilAccepte(QString::fromUtf8(dossier), "/home/nom") == accepte, dossier);
    // XDG_DATA_HOME counts only when absolute.
    QCOMPARE(DossierProgrammeXdg("", "/home/nom"), QString("/home/nom/.local/share/Vimbral"));
    QCOMPARE(DossierProgrammeXdg("/data/nom/", "/home/nom"), QString("/data/nom/Vimbral"));

    using A = LigneCommande::Action;
    for (const auto& [arguments, action, chemin] : {
             std::tuple{QStringList{}, A::Ouvrir, ""},
             {QStringList{"Photos/"}, A::Ouvrir, "/ici/Photos"},
             {QStringList{"-h"}, A::Aide, ""},
             {QStringList{"a", "b"}, A::Erreur, ""},
             {QStringList{"--", "-x.jpg"}, A::Ouvrir, "/ici/-x.jpg"},
         }) {
        const LigneCommande l = LireLigneCommande(QStringList{"vimbral"} + arguments, "/ici");
        QCOMPARE(l.action, action);
        QCOMPARE(l.chemin, QString(chemin));
        QCOMPARE(l.message.isEmpty(), l.action != A::Erreur);
    }
}

QTEST_GUILESS_MAIN(TstTri)
#include "tst_tri.moc"
