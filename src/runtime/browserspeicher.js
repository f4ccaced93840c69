// The browser edition's disk: the working directory is a folder of the
// module's in-memory file system, kept in the browser's IndexedDB by blocks
// of 64 KiB. Writing it back stores only the blocks written since the last
// time (a booking appends one record to the journal: one or two blocks, not
// the whole file), all in one transaction that counts as done only once the
// browser has it on disk — the counterpart of fsync. A file replaced by a
// rename is a new node and is stored whole.
//
// Module.speicher_oeffnen(ordner) makes the folder and fills it from
// IndexedDB; Module.speicher_sichern() writes the changes back. Both return
// a promise.

var saldinoSpeicher = {
  block: 65536,
  datenbank: null,
  wurzel: "",
  // Path below the folder -> {knoten, ordner, groesse, zeit, modus}, as stored.
  bekannt: new Map(),
  // After a failed transaction, the next one stores everything anew.
  alles_neu: false,

  markiere: function (knoten, von, bis) {
    if (bis <= von) {
      return;
    }
    var b = saldinoSpeicher.block;
    if (!knoten.saldino_bloecke) {
      knoten.saldino_bloecke = new Set();
    }
    for (var i = Math.floor(von / b); i <= Math.floor((bis - 1) / b); ++i) {
      knoten.saldino_bloecke.add(i);
    }
  },

  // Every write and every change of size marks the blocks it touches.
  beobachte: function () {
    var strom = MEMFS.ops_table.file.stream;
    var knoten = MEMFS.ops_table.file.node;
    var schreibe = strom.write;
    strom.write = function (stream, buffer, offset, length, position, canOwn) {
      var vorher = stream.node.usedBytes;
      var geschrieben = schreibe.apply(this, arguments);
      var ab = position === undefined ? vorher : position;
      saldinoSpeicher.markiere(stream.node, Math.min(ab, vorher), ab + geschrieben);
      return geschrieben;
    };
    var belege = strom.allocate;
    strom.allocate = function (stream, offset, length) {
      var vorher = stream.node.usedBytes;
      belege.apply(this, arguments);
      saldinoSpeicher.markiere(stream.node, vorher, stream.node.usedBytes);
    };
    var setze = knoten.setattr;
    knoten.setattr = function (node, attr) {
      var vorher = node.usedBytes;
      setze.apply(this, arguments);
      if (attr.size !== undefined && node.usedBytes !== undefined) {
        var kleiner = Math.min(vorher, node.usedBytes);
        saldinoSpeicher.markiere(node, kleiner, Math.max(kleiner + 1, vorher, node.usedBytes));
      }
    };
  },

  anfrage: function (r) {
    return new Promise(function (erledigt, abgelehnt) {
      r.onsuccess = function () {
        erledigt(r.result);
      };
      r.onerror = function () {
        abgelehnt(r.error);
      };
    });
  },

  oeffne_datenbank: function () {
    var r = indexedDB.open("saldino-arbeitsverzeichnis", 1);
    r.onupgradeneeded = function () {
      r.result.createObjectStore("dateien", { keyPath: "pfad" });
      r.result.createObjectStore("bloecke");
    };
    return saldinoSpeicher.anfrage(r);
  },

  stand: function (knoten) {
    var ordner = FS.isDir(knoten.mode);
    return {
      knoten: knoten,
      ordner: ordner,
      groesse: ordner ? 0 : knoten.usedBytes,
      zeit: knoten.timestamp,
      modus: knoten.mode,
    };
  },

  // The folder's files and folders now: path below it -> node.
  durchlaufe: function (pfad, name, sammlung) {
    var eintraege = FS.readdir(pfad);
    for (var i = 0; i < eintraege.length; ++i) {
      var e = eintraege[i];
      if (e === "." || e === "..") {
        continue;
      }
      var knoten = FS.lookupPath(pfad + "/" + e).node;
      var unter = name + e;
      if (FS.isDir(knoten.mode)) {
        sammlung.set(unter, knoten);
        saldinoSpeicher.durchlaufe(pfad + "/" + e, unter + "/", sammlung);
      } else if (FS.isFile(knoten.mode)) {
        sammlung.set(unter, knoten);
      }
    }
  },

  oeffnen: async function (ordner) {
    var s = saldinoSpeicher;
    s.wurzel = ordner;
    s.beobachte();
    if (!FS.analyzePath(ordner).exists) {
      FS.mkdir(ordner);
    }
    s.datenbank = await s.oeffne_datenbank();
    var t = s.datenbank.transaction(["dateien", "bloecke"], "readonly");
    var dateien = await s.anfrage(t.objectStore("dateien").getAll());
    var schluessel = await s.anfrage(t.objectStore("bloecke").getAllKeys());
    var bloecke = await s.anfrage(t.objectStore("bloecke").getAll());
    var inhalt = new Map();
    for (var i = 0; i < schluessel.length; ++i) {
      inhalt.set(schluessel[i][0] + "\n" + schluessel[i][1], bloecke[i]);
    }
    // Parents sort before their entries.
    dateien.sort(function (a, b) {
      return a.pfad < b.pfad ? -1 : 1;
    });
    for (var d = 0; d < dateien.length; ++d) {
      var e = dateien[d];
      var pfad = ordner + "/" + e.pfad;
      if (e.ordner) {
        FS.mkdir(pfad);
      } else {
        var daten = new Uint8Array(e.groesse);
        for (var n = 0; n * s.block < e.groesse; ++n) {
          daten.set(inhalt.get(e.pfad + "\n" + n), n * s.block);
        }
        FS.writeFile(pfad, daten);
      }
      var knoten = FS.lookupPath(pfad).node;
      knoten.mode = e.modus;
      knoten.timestamp = e.zeit;
      knoten.saldino_bloecke = undefined;
      s.bekannt.set(e.pfad, s.stand(knoten));
    }
  },

  // Gathers what changed since the last call, at once, and stores it in one
  // transaction; the next call compares with this one's state.
  sichern: function () {
    var s = saldinoSpeicher;
    var jetzt = new Map();
    s.durchlaufe(s.wurzel, "", jetzt);
    var t = s.datenbank.transaction(["dateien", "bloecke"], "readwrite", { durability: "strict" });
    var dateien = t.objectStore("dateien");
    var bloecke = t.objectStore("bloecke");
    var neu = s.alles_neu;
    if (neu) {
      dateien.clear();
      bloecke.clear();
      s.alles_neu = false;
    }
    s.bekannt.forEach(function (alt, pfad) {
      if (!jetzt.has(pfad) && !neu) {
        dateien.delete(pfad);
        bloecke.delete(IDBKeyRange.bound([pfad, 0], [pfad, Infinity]));
      }
    });
    var bekannt = new Map();
    jetzt.forEach(function (knoten, pfad) {
      var alt = neu ? undefined : s.bekannt.get(pfad);
      var st = s.stand(knoten);
      bekannt.set(pfad, st);
      var anzahl = Math.ceil(st.groesse / s.block);
      var geaendert = alt && alt.knoten === knoten ? knoten.saldino_bloecke : undefined;
      knoten.saldino_bloecke = undefined;
      if (alt && alt.knoten === knoten && !geaendert && alt.groesse === st.groesse &&
          alt.zeit === st.zeit && alt.modus === st.modus) {
        return;
      }
      dateien.put({ pfad: pfad, ordner: st.ordner, groesse: st.groesse, zeit: st.zeit, modus: st.modus });
      var daten = st.ordner ? null : MEMFS.getFileDataAsTypedArray(knoten);
      for (var i = 0; i < anzahl; ++i) {
        if (!alt || alt.knoten !== knoten || (geaendert && geaendert.has(i))) {
          bloecke.put(daten.slice(i * s.block, Math.min((i + 1) * s.block, st.groesse)), [pfad, i]);
        }
      }
      if (alt && Math.ceil(alt.groesse / s.block) > anzahl) {
        bloecke.delete(IDBKeyRange.bound([pfad, anzahl], [pfad, Infinity]));
      }
    });
    s.bekannt = bekannt;
    return new Promise(function (erledigt, abgelehnt) {
      t.oncomplete = function () {
        erledigt();
      };
      t.onabort = t.onerror = function () {
        s.alles_neu = true;
        abgelehnt(t.error || new Error("IndexedDB"));
      };
    });
  },
};

Module["speicher_oeffnen"] = saldinoSpeicher.oeffnen;
Module["speicher_sichern"] = saldinoSpeicher.sichern;
