<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Almanac</name>
    <message>
        <source>Times at %1</source>
        <comment>a time zone&apos;s name or offset</comment>
        <translation>Heures à %1</translation>
    </message>
    <message>
        <source>%1 — from your time zone; choose yours in Info…</source>
        <comment>a place&apos;s name; the first start&apos;s place, taken from the computer&apos;s time zone</comment>
        <translation>%1 — d’après votre fuseau horaire ; choisissez le vôtre dans Infos…</translation>
    </message>
    <message>
        <source>Sun up all day: sets %1</source>
        <translation>Soleil levé toute la journée : se couche le %1</translation>
    </message>
    <message numerus="yes">
        <source>Sun up all day, no sunset within %n day(s)</source>
        <translation>
            <numerusform>Soleil levé toute la journée, pas de coucher d’ici %n jour</numerusform>
            <numerusform>Soleil levé toute la journée, pas de coucher d’ici %n jours</numerusform>
        </translation>
    </message>
    <message>
        <source>Sun down all day: rises %1</source>
        <translation>Soleil couché toute la journée : se lève le %1</translation>
    </message>
    <message numerus="yes">
        <source>Sun down all day, no sunrise within %n day(s)</source>
        <translation>
            <numerusform>Soleil couché toute la journée, pas de lever d’ici %n jour</numerusform>
            <numerusform>Soleil couché toute la journée, pas de lever d’ici %n jours</numerusform>
        </translation>
    </message>
    <message>
        <source>Moon up all day: sets %1</source>
        <translation>Lune levée toute la journée : se couche le %1</translation>
    </message>
    <message numerus="yes">
        <source>Moon up all day, no moonset within %n day(s)</source>
        <translation>
            <numerusform>Lune levée toute la journée, pas de coucher d’ici %n jour</numerusform>
            <numerusform>Lune levée toute la journée, pas de coucher d’ici %n jours</numerusform>
        </translation>
    </message>
    <message>
        <source>Moon down all day: rises %1</source>
        <translation>Lune couchée toute la journée : se lève le %1</translation>
    </message>
    <message numerus="yes">
        <source>Moon down all day, no moonrise within %n day(s)</source>
        <translation>
            <numerusform>Lune couchée toute la journée, pas de lever d’ici %n jour</numerusform>
            <numerusform>Lune couchée toute la journée, pas de lever d’ici %n jours</numerusform>
        </translation>
    </message>
    <message>
        <source>No sunrise in the next 24 h: %1</source>
        <translation>Pas de lever du soleil dans les 24 h : %1</translation>
    </message>
    <message numerus="yes">
        <source>No sunrise within %n day(s)</source>
        <translation>
            <numerusform>Pas de lever du soleil d’ici %n jour</numerusform>
            <numerusform>Pas de lever du soleil d’ici %n jours</numerusform>
        </translation>
    </message>
    <message>
        <source>No sunset in the next 24 h: %1</source>
        <translation>Pas de coucher du soleil dans les 24 h : %1</translation>
    </message>
    <message numerus="yes">
        <source>No sunset within %n day(s)</source>
        <translation>
            <numerusform>Pas de coucher du soleil d’ici %n jour</numerusform>
            <numerusform>Pas de coucher du soleil d’ici %n jours</numerusform>
        </translation>
    </message>
    <message>
        <source>No moonrise in the next 24 h: %1</source>
        <translation>Pas de lever de la lune dans les 24 h : %1</translation>
    </message>
    <message numerus="yes">
        <source>No moonrise within %n day(s)</source>
        <translation>
            <numerusform>Pas de lever de la lune d’ici %n jour</numerusform>
            <numerusform>Pas de lever de la lune d’ici %n jours</numerusform>
        </translation>
    </message>
    <message>
        <source>No moonset in the next 24 h: %1</source>
        <translation>Pas de coucher de la lune dans les 24 h : %1</translation>
    </message>
    <message numerus="yes">
        <source>No moonset within %n day(s)</source>
        <translation>
            <numerusform>Pas de coucher de la lune d’ici %n jour</numerusform>
            <numerusform>Pas de coucher de la lune d’ici %n jours</numerusform>
        </translation>
    </message>
    <message>
        <source>Penumbral lunar eclipse %1, Moon up here</source>
        <translation>Éclipse lunaire par la pénombre %1, Lune levée ici</translation>
    </message>
    <message>
        <source>Partial lunar eclipse %1, Moon up here</source>
        <translation>Éclipse lunaire partielle %1, Lune levée ici</translation>
    </message>
    <message>
        <source>Annular lunar eclipse %1, Moon up here</source>
        <translation>Éclipse lunaire annulaire %1, Lune levée ici</translation>
    </message>
    <message>
        <source>Total lunar eclipse %1, Moon up here</source>
        <translation>Éclipse lunaire totale %1, Lune levée ici</translation>
    </message>
    <message>
        <source>Penumbral lunar eclipse %1, Moon below the horizon here</source>
        <translation>Éclipse lunaire par la pénombre %1, Lune sous l’horizon ici</translation>
    </message>
    <message>
        <source>Partial lunar eclipse %1, Moon below the horizon here</source>
        <translation>Éclipse lunaire partielle %1, Lune sous l’horizon ici</translation>
    </message>
    <message>
        <source>Annular lunar eclipse %1, Moon below the horizon here</source>
        <translation>Éclipse lunaire annulaire %1, Lune sous l’horizon ici</translation>
    </message>
    <message>
        <source>Total lunar eclipse %1, Moon below the horizon here</source>
        <translation>Éclipse lunaire totale %1, Lune sous l’horizon ici</translation>
    </message>
    <message>
        <source>under 1%</source>
        <comment>of the Sun covered</comment>
        <translation>moins de 1 %</translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>a share in percent</comment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Penumbral solar eclipse %1, %2 covered, %3 to %4</source>
        <translation>Éclipse solaire par la pénombre %1, %2 couvert, de %3 à %4</translation>
    </message>
    <message>
        <source>Partial solar eclipse %1, %2 covered, %3 to %4</source>
        <translation>Éclipse solaire partielle %1, %2 couvert, de %3 à %4</translation>
    </message>
    <message>
        <source>Annular solar eclipse %1, %2 covered, %3 to %4</source>
        <translation>Éclipse solaire annulaire %1, %2 couvert, de %3 à %4</translation>
    </message>
    <message>
        <source>Total solar eclipse %1, %2 covered, %3 to %4</source>
        <translation>Éclipse solaire totale %1, %2 couvert, de %3 à %4</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <comment>hours and minutes</comment>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <comment>minutes and seconds</comment>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>%1 s</source>
        <comment>seconds</comment>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Polar day: the Sun does not set today</source>
        <translation>Jour polaire : le soleil ne se couche pas aujourd’hui</translation>
    </message>
    <message>
        <source>Polar night: the Sun does not rise today</source>
        <translation>Nuit polaire : le soleil ne se lève pas aujourd’hui</translation>
    </message>
    <message>
        <source>Day %1</source>
        <comment>the length of daylight</comment>
        <translation>Jour %1</translation>
    </message>
    <message>
        <source>Day %1, as long as yesterday</source>
        <translation>Jour %1, aussi long qu’hier</translation>
    </message>
    <message>
        <source>Day %1, %2 shorter than yesterday</source>
        <translation>Jour %1, %2 de moins qu’hier</translation>
    </message>
    <message>
        <source>Day %1, %2 longer than yesterday</source>
        <translation>Jour %1, %2 de plus qu’hier</translation>
    </message>
    <message>
        <source>Golden hour %1–%2</source>
        <translation>Heure dorée %1–%2</translation>
    </message>
    <message>
        <source>Golden hour until %1</source>
        <translation>Heure dorée jusqu’à %1</translation>
    </message>
    <message>
        <source>Golden hour from %1</source>
        <translation>Heure dorée à partir de %1</translation>
    </message>
    <message>
        <source>Blue hour %1–%2</source>
        <translation>Heure bleue %1–%2</translation>
    </message>
    <message>
        <source>Blue hour until %1</source>
        <translation>Heure bleue jusqu’à %1</translation>
    </message>
    <message>
        <source>Blue hour from %1</source>
        <translation>Heure bleue à partir de %1</translation>
    </message>
    <message>
        <source>%1 km</source>
        <comment>a distance</comment>
        <translation>%1 km</translation>
    </message>
    <message>
        <source>%1 away</source>
        <comment>a distance</comment>
        <translation>à %1</translation>
    </message>
    <message>
        <source>distance unknown</source>
        <translation>distance inconnue</translation>
    </message>
    <message>
        <source>Moon below the horizon, %1</source>
        <translation>Lune sous l’horizon, %1</translation>
    </message>
    <message>
        <source>Moon %1° up in the %2 (%3°), %4</source>
        <comment>altitude, compass point, azimuth, distance</comment>
        <translation>Lune à %1° de hauteur au %2 (%3°), %4</translation>
    </message>
    <message>
        <source>in %1 days</source>
        <comment>a number of days with one decimal</comment>
        <translation>dans %1 jours</translation>
    </message>
    <message>
        <source>March equinox %1, %2</source>
        <translation>Équinoxe de mars %1, %2</translation>
    </message>
    <message>
        <source>June solstice %1, %2</source>
        <translation>Solstice de juin %1, %2</translation>
    </message>
    <message>
        <source>September equinox %1, %2</source>
        <translation>Équinoxe de septembre %1, %2</translation>
    </message>
    <message>
        <source>December solstice %1, %2</source>
        <translation>Solstice de décembre %1, %2</translation>
    </message>
    <message>
        <source>Perigee %1, %2</source>
        <translation>Périgée %1, %2</translation>
    </message>
    <message>
        <source>Apogee %1, %2</source>
        <translation>Apogée %1, %2</translation>
    </message>
    <message>
        <source>Civil twilight begins</source>
        <translation>Début de l’aube civile</translation>
    </message>
    <message>
        <source>Nautical twilight begins</source>
        <translation>Début de l’aube nautique</translation>
    </message>
    <message>
        <source>Astronomical twilight begins</source>
        <translation>Début de l’aube astronomique</translation>
    </message>
    <message>
        <source>Civil twilight ends</source>
        <translation>Fin du crépuscule civil</translation>
    </message>
    <message>
        <source>Nautical twilight ends</source>
        <translation>Fin du crépuscule nautique</translation>
    </message>
    <message>
        <source>Astronomical twilight ends</source>
        <translation>Fin du crépuscule astronomique</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Lever du soleil</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Coucher du soleil</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Lever de la lune</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>Coucher de la lune</translation>
    </message>
    <message>
        <source>Moon %1 days old, %2% lit</source>
        <comment>age in days with a decimal, percent</comment>
        <translation>Lune âgée de %1 jours, éclairée à %2 %</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>the Moon&apos;s age and lit share, its phase by name</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>New moon %1, %2</source>
        <translation>Nouvelle lune %1, %2</translation>
    </message>
    <message>
        <source>First quarter %1, %2</source>
        <translation>Premier quartier %1, %2</translation>
    </message>
    <message>
        <source>Full moon %1, %2</source>
        <translation>Pleine lune %1, %2</translation>
    </message>
    <message>
        <source>Last quarter %1, %2</source>
        <translation>Dernier quartier %1, %2</translation>
    </message>
    <message>
        <source>New moon not found</source>
        <translation>Nouvelle lune introuvable</translation>
    </message>
    <message>
        <source>First quarter not found</source>
        <translation>Premier quartier introuvable</translation>
    </message>
    <message>
        <source>Full moon not found</source>
        <translation>Pleine lune introuvable</translation>
    </message>
    <message>
        <source>Last quarter not found</source>
        <translation>Dernier quartier introuvable</translation>
    </message>
    <message>
        <source>%1 — supermoon, %2</source>
        <comment>a full or new moon, the Moon&apos;s distance then</comment>
        <translation>%1 — super lune, %2</translation>
    </message>
    <message>
        <source>none within 24 h</source>
        <comment>no such event in the coming day</comment>
        <translation>— aucun dans les 24 h</translation>
    </message>
    <message numerus="yes">
        <source>No lunar eclipse within %n year(s)</source>
        <translation>
            <numerusform>Aucune éclipse lunaire d’ici %n an</numerusform>
            <numerusform>Aucune éclipse lunaire d’ici %n ans</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No solar eclipse seen here within %n year(s)</source>
        <translation>
            <numerusform>Aucune éclipse solaire visible ici d’ici %n an</numerusform>
            <numerusform>Aucune éclipse solaire visible ici d’ici %n ans</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>orbalis: --at wants a date and time as &quot;YYYY-MM-DD HH:MM&quot; on the place&apos;s clock, or in ISO 8601 (&quot;YYYY-MM-DDTHH:MM[:SS][Z|+HH:MM]&quot;), not &quot;%1&quot;</source>
        <translation>orbalis : --at attend une date et une heure sous la forme « YYYY-MM-DD HH:MM » à l’heure du lieu, ou en ISO 8601 (« YYYY-MM-DDTHH:MM[:SS][Z|+HH:MM] »), pas « %1 »</translation>
    </message>
    <message>
        <source>--settings needs a FILE</source>
        <translation>--settings attend un FICHIER</translation>
    </message>
    <message>
        <source>--at needs &quot;YYYY-MM-DD HH:MM&quot;</source>
        <translation>--at attend « YYYY-MM-DD HH:MM »</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>--print and --json cannot be used together</source>
        <translation>--print et --json ne peuvent pas être utilisés ensemble</translation>
    </message>
    <message>
        <source>--at goes with --print or --json</source>
        <translation>--at va avec --print ou --json</translation>
    </message>
    <message>
        <source>Usage: orbalis [--settings FILE]
       orbalis --print|--json [--at &quot;YYYY-MM-DD HH:MM&quot;] [--settings FILE]
A round desktop clock with the Moon&apos;s phase and age and the day&apos;s sunrise, sunset,
twilight, moonrise and moonset.

  --settings FILE  keep the settings in FILE instead of the default one
  --print          print what the clock&apos;s tooltip says now, for the place of the
                   settings, and exit (no display needed)
  --json           print the same as one JSON object and exit
  --at &quot;YYYY-MM-DD HH:MM&quot;
                   with --print or --json: for that time on the place&apos;s clock (a
                   time a clock change skips is read on the offset before it, a
                   repeated one at its first occurrence); or an ISO 8601 time as
                   --json prints it, &quot;2027-01-15T12:00:00+01:00&quot; (&quot;Z&quot; for UTC)
  -h, --help       show this help and exit
  -v, --version    show the version and exit

Settings file: %1
(%2 in the working directory when there is one, else
$XDG_CONFIG_HOME/%3/%2, by default %4)</source>
        <translation>Utilisation : orbalis [--settings FICHIER]
              orbalis --print|--json [--at &quot;YYYY-MM-DD HH:MM&quot;] [--settings FICHIER]
Une horloge de bureau ronde avec la phase et l’âge de la Lune et les lever et coucher
du soleil, le crépuscule et les lever et coucher de la lune du jour.

  --settings FICHIER  garder les réglages dans FICHIER au lieu du fichier habituel
  --print             afficher ce que dit maintenant l’infobulle de l’horloge pour
                      le lieu des réglages, puis quitter (sans affichage)
  --json              afficher la même chose en un objet JSON, puis quitter
  --at &quot;YYYY-MM-DD HH:MM&quot;
                      avec --print ou --json : pour cette heure du lieu (une heure
                      sautée par un changement d’heure est lue avec le décalage
                      d’avant, une heure répétée à sa première occurrence) ; ou une
                      heure ISO 8601 comme l’affiche --json,
                      &quot;2027-01-15T12:00:00+01:00&quot; (&quot;Z&quot; pour UTC)
  -h, --help          afficher cette aide et quitter
  -v, --version       afficher la version et quitter

Fichier de réglages : %1
(%2 dans le dossier de travail s’il y en a un, sinon
$XDG_CONFIG_HOME/%3/%2, par défaut %4)</translation>
    </message>
    <message>
        <source>orbalis: %1 (see orbalis --help)</source>
        <translation>orbalis : %1 (voir orbalis --help)</translation>
    </message>
    <message>
        <source>orbalis: no display (DISPLAY or WAYLAND_DISPLAY is not set)</source>
        <translation>orbalis : pas d’affichage (DISPLAY ou WAYLAND_DISPLAY n’est pas défini)</translation>
    </message>
    <message>
        <source>orbalis: a clock already runs with %1 but does not answer</source>
        <translation>orbalis : une horloge tourne déjà avec %1 mais ne répond pas</translation>
    </message>
    <message>
        <source>orbalis: already running with %1; brought that clock to the front</source>
        <translation>orbalis : déjà lancée avec %1 ; cette horloge a été mise au premier plan</translation>
    </message>
    <message>
        <source>orbalis: no private folder for the one-clock guard (%1); a second clock on this file is not stopped</source>
        <translation>orbalis : aucun dossier privé pour le verrou d’horloge unique (%1) ; une seconde horloge sur ce fichier ne sera pas empêchée</translation>
    </message>
</context>
<context>
    <name>Compass</name>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>NNE</source>
        <translation>NNE</translation>
    </message>
    <message>
        <source>NE</source>
        <translation>NE</translation>
    </message>
    <message>
        <source>ENE</source>
        <translation>ENE</translation>
    </message>
    <message>
        <source>E</source>
        <translation>E</translation>
    </message>
    <message>
        <source>ESE</source>
        <translation>ESE</translation>
    </message>
    <message>
        <source>SE</source>
        <translation>SE</translation>
    </message>
    <message>
        <source>SSE</source>
        <translation>SSE</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>SSW</source>
        <translation>SSO</translation>
    </message>
    <message>
        <source>SW</source>
        <translation>SO</translation>
    </message>
    <message>
        <source>WSW</source>
        <translation>OSO</translation>
    </message>
    <message>
        <source>W</source>
        <translation>O</translation>
    </message>
    <message>
        <source>WNW</source>
        <translation>ONO</translation>
    </message>
    <message>
        <source>NW</source>
        <translation>NO</translation>
    </message>
    <message>
        <source>NNW</source>
        <translation>NNO</translation>
    </message>
</context>
<context>
    <name>Locator</name>
    <message>
        <source>No location service: the system bus cannot be reached.</source>
        <translation>Aucun service de localisation : le bus système est injoignable.</translation>
    </message>
    <message>
        <source>The location service gave no usable position.</source>
        <translation>Le service de localisation n’a donné aucune position utilisable.</translation>
    </message>
    <message>
        <source>The location service refused: %1</source>
        <translation>Le service de localisation a refusé : %1</translation>
    </message>
    <message>
        <source>The location service did not answer within %1 s.</source>
        <translation>Le service de localisation n’a pas répondu en %1 s.</translation>
    </message>
</context>
<context>
    <name>Phase</name>
    <message>
        <source>new moon</source>
        <translation>nouvelle lune</translation>
    </message>
    <message>
        <source>waxing crescent</source>
        <translation>premier croissant</translation>
    </message>
    <message>
        <source>first quarter</source>
        <translation>premier quartier</translation>
    </message>
    <message>
        <source>waxing gibbous</source>
        <translation>gibbeuse croissante</translation>
    </message>
    <message>
        <source>full moon</source>
        <translation>pleine lune</translation>
    </message>
    <message>
        <source>waning gibbous</source>
        <translation>gibbeuse décroissante</translation>
    </message>
    <message>
        <source>last quarter</source>
        <translation>dernier quartier</translation>
    </message>
    <message>
        <source>waning crescent</source>
        <translation>dernier croissant</translation>
    </message>
</context>
<context>
    <name>Reminder</name>
    <message>
        <source>orbalis: reminders cannot be shown: no desktop notification service (%1)</source>
        <translation>orbalis : les rappels ne peuvent pas être affichés : aucun service de notification du bureau (%1)</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Lever du soleil</translation>
    </message>
    <message>
        <source>Sunrise at %1</source>
        <translation>Lever du soleil à %1</translation>
    </message>
    <message>
        <source>Sunrise on %1 at %2</source>
        <translation>Lever du soleil le %1 à %2</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Coucher du soleil</translation>
    </message>
    <message>
        <source>Sunset at %1</source>
        <translation>Coucher du soleil à %1</translation>
    </message>
    <message>
        <source>Sunset on %1 at %2</source>
        <translation>Coucher du soleil le %1 à %2</translation>
    </message>
    <message>
        <source>Golden hour</source>
        <translation>Heure dorée</translation>
    </message>
    <message>
        <source>Golden hour at %1</source>
        <translation>Heure dorée à %1</translation>
    </message>
    <message>
        <source>Golden hour on %1 at %2</source>
        <translation>Heure dorée le %1 à %2</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>Pleine lune</translation>
    </message>
    <message>
        <source>Full moon at %1</source>
        <translation>Pleine lune à %1</translation>
    </message>
    <message>
        <source>Full moon on %1 at %2</source>
        <translation>Pleine lune le %1 à %2</translation>
    </message>
    <message>
        <source>New moon</source>
        <translation>Nouvelle lune</translation>
    </message>
    <message>
        <source>New moon at %1</source>
        <translation>Nouvelle lune à %1</translation>
    </message>
    <message>
        <source>New moon on %1 at %2</source>
        <translation>Nouvelle lune le %1 à %2</translation>
    </message>
    <message>
        <source>Eclipse</source>
        <translation>Éclipse</translation>
    </message>
    <message>
        <source>Eclipse at %1</source>
        <translation>Éclipse à %1</translation>
    </message>
    <message>
        <source>Eclipse on %1 at %2</source>
        <translation>Éclipse le %1 à %2</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>&amp;Twilight</source>
        <translation>&amp;Crépuscule</translation>
    </message>
    <message>
        <source>Si&amp;ze</source>
        <extracomment>The size of the clock&apos;s face.</extracomment>
        <translation>&amp;Taille</translation>
    </message>
    <message>
        <source>&amp;Remind me</source>
        <translation>&amp;Me rappeler</translation>
    </message>
    <message>
        <source>1&amp;2h</source>
        <extracomment>The dial of 12 hours (with am and pm); &amp; marks the menu&apos;s key.</extracomment>
        <translation>1&amp;2 h</translation>
    </message>
    <message>
        <source>2&amp;4h</source>
        <extracomment>The dial of 24 hours.</extracomment>
        <translation>2&amp;4 h</translation>
    </message>
    <message>
        <source>Moon as in the &amp;sky</source>
        <translation>&amp;Lune comme dans le ciel</translation>
    </message>
    <message>
        <source>&amp;Info...</source>
        <translation>&amp;Infos…</translation>
    </message>
    <message>
        <source>Start at &amp;login</source>
        <translation>Lancer à la c&amp;onnexion</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Civil (Sun 6° below)</source>
        <translation>&amp;Civil (soleil à 6° sous l’horizon)</translation>
    </message>
    <message>
        <source>&amp;Nautical (12° below)</source>
        <translation>&amp;Nautique (12° sous l’horizon)</translation>
    </message>
    <message>
        <source>&amp;Astronomical (18° below)</source>
        <translation>&amp;Astronomique (18° sous l’horizon)</translation>
    </message>
    <message>
        <source>%1 %</source>
        <comment>a size in percent</comment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Lever du soleil</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Coucher du soleil</translation>
    </message>
    <message>
        <source>Golden hour</source>
        <translation>Heure dorée</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>Pleine lune</translation>
    </message>
    <message>
        <source>New moon</source>
        <translation>Nouvelle lune</translation>
    </message>
    <message>
        <source>An eclipse seen here</source>
        <translation>Une éclipse visible ici</translation>
    </message>
    <message>
        <source>At the event</source>
        <translation>Au moment de l’événement</translation>
    </message>
    <message>
        <source>15 min before</source>
        <translation>15 min avant</translation>
    </message>
    <message>
        <source>1 hour before</source>
        <translation>1 heure avant</translation>
    </message>
    <message>
        <source>1 day before</source>
        <translation>1 jour avant</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1 (%2). They apply until the clock is closed.</source>
        <translation>Les réglages n’ont pas pu être enregistrés dans %1 (%2). Ils s’appliquent jusqu’à la fermeture de l’horloge.</translation>
    </message>
    <message>
        <source>The login start entry %1 was not changed: %2</source>
        <translation>L’entrée de démarrage %1 n’a pas été modifiée : %2</translation>
    </message>
    <message>
        <source>The settings cannot be saved to %1 (%2). Changes to the place and the position will be lost when the clock is closed.</source>
        <translation>Les réglages ne peuvent pas être enregistrés dans %1 (%2). Les changements de lieu et de position seront perdus à la fermeture de l’horloge.</translation>
    </message>
    <message>
        <source>%1. The dial, the Moon&apos;s picture and the place chosen by name will not be kept.</source>
        <translation>%1. Le cadran, l’image de la Lune et le lieu choisi par son nom ne seront pas conservés.</translation>
    </message>
    <message>
        <source>The choice is not kept: %1. It applies until the clock is closed.</source>
        <translation>Le choix n’est pas conservé : %1. Il s’applique jusqu’à la fermeture de l’horloge.</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>N</source>
        <comment>north</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>S</source>
        <comment>south</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>E</source>
        <comment>east</comment>
        <translation>E</translation>
    </message>
    <message>
        <source>W</source>
        <comment>west</comment>
        <translation>O</translation>
    </message>
    <message>
        <source>Orbalis Options &amp; More Infomations.</source>
        <translation>Orbalis – Options et informations</translation>
    </message>
    <message>
        <source>Timezone</source>
        <translation>Fuseau horaire</translation>
    </message>
    <message>
        <source>Height =</source>
        <extracomment>The place&apos;s height above sea level.</extracomment>
        <translation>Altitude =</translation>
    </message>
    <message>
        <source>(m)</source>
        <extracomment>Metres, after the height.</extracomment>
        <translation>(m)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Lieu</translation>
    </message>
    <message>
        <source>Use my location</source>
        <translation>Utiliser ma position</translation>
    </message>
    <message>
        <source>Asking the location service…</source>
        <translation>Interrogation du service de localisation…</translation>
    </message>
    <message>
        <source>City name</source>
        <translation>Nom de la ville</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Time zone, hours east of Greenwich</source>
        <translation>Fuseau horaire, heures à l’est de Greenwich</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Nord</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Sud</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Est</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Ouest</translation>
    </message>
    <message>
        <source>Latitude, degrees</source>
        <translation>Latitude, degrés</translation>
    </message>
    <message>
        <source>Latitude, minutes</source>
        <translation>Latitude, minutes</translation>
    </message>
    <message>
        <source>Longitude, degrees</source>
        <translation>Longitude, degrés</translation>
    </message>
    <message>
        <source>Longitude, minutes</source>
        <translation>Longitude, minutes</translation>
    </message>
    <message>
        <source>Height above sea level, metres</source>
        <translation>Altitude, mètres</translation>
    </message>
    <message>
        <source>Moon and coming events</source>
        <translation>Lune et prochains événements</translation>
    </message>
</context>
</TS>
