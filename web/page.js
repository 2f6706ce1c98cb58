// Kelmar in the browser: the page's side of the game. The rules run in
// WebAssembly (kelmar-core.js, built from web/main.cpp and the core); this
// script is the frontend: the windows, the menu, the keys, the pictures, the
// film's timer, and the saves kept in the browser's IndexedDB.
"use strict";

const Kelmar = (() => {
  const $ = (name, root = document) => root.querySelector(`[data-name="${name}"]`);
  const main = $("frmKelmar");
  const win = (name) => $(name);
  const inWin = (w, name) => $(name, win(w));

  // ---- The files of the game folder, kept in IndexedDB ------------------
  const kGameFolder = "/game/";
  const kSavedGame = "Kelmar.ini";
  const kTopTen = "Rank.txt";
  const kMaxImport = 64 * 1024;

  function openStore() {
    return new Promise((resolve, reject) => {
      const request = indexedDB.open("kelmar", 1);
      request.onupgradeneeded = () => request.result.createObjectStore("files");
      request.onsuccess = () => resolve(request.result);
      request.onerror = () => reject(request.error);
    });
  }
  let store = null;
  function storeRequest(mode, work) {
    // Without the browser's storage (refused, or a private window that has
    // none) the game plays on and keeps nothing.
    if (!store) return Promise.resolve(undefined);
    return new Promise((resolve, reject) => {
      const tx = store.transaction("files", mode);
      const request = work(tx.objectStore("files"));
      tx.oncomplete = () => resolve(request.result);
      tx.onerror = () => reject(tx.error);
    });
  }
  const keptFile = (name) => storeRequest("readonly", (s) => s.get(name));
  const keepFile = (name, bytes) => storeRequest("readwrite", (s) => s.put(bytes, name));

  function folderFile(name) {
    try {
      return Module.FS.readFile(kGameFolder + name);
    } catch (e) {
      return null;
    }
  }
  // A file the core wrote goes to the browser's storage as it is.
  async function keepFolderFile(name) {
    const bytes = folderFile(name);
    if (!bytes) return;
    try {
      await keepFile(name, new Uint8Array(bytes));
    } catch (e) {
      message(`${name} をブラウザーに保存できません: ${e && e.message ? e.message : e}`);
    }
  }

  // A saved game the player picks: refused when larger than 64 KB or without
  // the sections the game writes ("Wres" and "1" to "32").
  function importRefusal(bytes) {
    if (bytes.length > kMaxImport) return "ファイルが大きすぎます。保存ファイルではありません。";
    const text = new TextDecoder("latin1").decode(bytes);
    const sections = new Set();
    for (const line of text.split(/\r\n|\n|\r/)) {
      const m = /^\s*\[([^\]]*)\]\s*$/.exec(line);
      if (m) sections.add(m[1].trim());
    }
    const missing = ["Wres"];
    for (let i = 1; i <= 32; ++i) missing.push(String(i));
    const lacking = missing.filter((s) => !sections.has(s));
    if (lacking.length) return "保存ファイルではありません（セクション [" + lacking[0] + "] がありません）。";
    return null;
  }

  // ---- The pictures ------------------------------------------------------
  // The game's pictures come as PNG files of the bitmaps' pixels. At the
  // start each is written into the game folder as the bitmap it was, and the
  // core composes the day card, the lamps, the films and the chart from those
  // files as on the desktop (canvas/); the page only shows the RGBA pixels it
  // hands back.
  const pictures = {};
  const kPictureFiles = ["力士", "On", "Off", "oshi", "hiki", "nage",
                         "a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l", "m"];
  function loadPicture(name) {
    return new Promise((resolve) => {
      const img = new Image();
      img.onload = () => {
        const c = document.createElement("canvas");
        c.width = img.width;
        c.height = img.height;
        const g = c.getContext("2d");
        g.drawImage(img, 0, 0);
        pictures[name] = g.getImageData(0, 0, img.width, img.height);
        resolve();
      };
      // A picture that cannot be loaded is missing from the game folder: the
      // core reports it where the desktop would.
      img.onerror = () => resolve();
      img.src = "pictures/" + encodeURIComponent(name) + ".png";
    });
  }
  // An uncompressed 24-bit Windows bitmap of the pixels, rows bottom up.
  function bitmapFile(p) {
    const stride = (p.width * 3 + 3) & ~3, size = 54 + stride * p.height;
    const bytes = new Uint8Array(size), view = new DataView(bytes.buffer);
    bytes[0] = 0x42; bytes[1] = 0x4d;
    view.setUint32(2, size, true);
    view.setUint32(10, 54, true);
    view.setUint32(14, 40, true);
    view.setInt32(18, p.width, true);
    view.setInt32(22, p.height, true);
    view.setUint16(26, 1, true);
    view.setUint16(28, 24, true);
    view.setUint32(34, stride * p.height, true);
    for (let y = 0; y < p.height; ++y) {
      let at = 54 + (p.height - 1 - y) * stride;
      for (let x = 0; x < p.width; ++x, at += 3) {
        const i = (y * p.width + x) * 4;
        bytes[at] = p.data[i + 2]; bytes[at + 1] = p.data[i + 1]; bytes[at + 2] = p.data[i];
      }
    }
    return bytes;
  }
  const canvases = {
    Image2: () => inWin("frmKelmar", "Image2"),
    Image1: () => inWin("frmKelmar", "Image1"),
    Chart: () => inWin("frmStage", "Image1"),
  };
  function showPixels(target, rgba, width, height) {
    const image = new ImageData(new Uint8ClampedArray(rgba.buffer, rgba.byteOffset, rgba.length), width, height);
    canvases[target]().getContext("2d").putImageData(image, 0, 0);
  }
  const kChartTitles = "番付 四股名  勝敗  経験値  番付 四股名  勝敗  経験値";

  // ---- Windows -----------------------------------------------------------
  const shade = document.getElementById("modalShade");
  const modal = [];  // the modal windows open, the top last
  function place(w) {
    // Centred on the main window, as far as it fits.
    const el = win(w);
    el.hidden = false;
    const left = Math.max(0, Math.round((kStageWidth - el.offsetWidth) / 2));
    const top = Math.max(0, Math.round((kStageHeight - el.offsetHeight) / 2));
    el.style.left = left + "px";
    el.style.top = top + "px";
  }
  function openWindow(w, isModal, focus) {
    place(w);
    if (isModal) {
      modal.push(w);
      shade.hidden = false;
      win(w).style.zIndex = 50 + modal.length;
    }
    closeMenus();
    // A dialog takes the keyboard when it opens.
    const target = focus ? inWin(w, focus) : win(w).querySelector("button, input, select");
    if (target) target.focus();
  }
  function closeWindow(w) {
    win(w).hidden = true;
    const i = modal.lastIndexOf(w);
    if (i >= 0) modal.splice(i, 1);
    shade.hidden = modal.length === 0;
    const top = modal[modal.length - 1];
    const focus = top ? win(top).querySelector("button") : null;
    if (focus) focus.focus();
  }
  const isOpen = (w) => !win(w).hidden;

  function showError(message) {
    inWin("ErrorBox", "ErrorText").textContent = message;
    openWindow("ErrorBox", true, "ErrorOk");
  }
  inWin("ErrorBox", "ErrorOk").onclick = () => closeWindow("ErrorBox");
  function message(text) { showError(text); }

  // ---- The waits of the core (Frontend moments the core waits for) -------
  const pending = {};  // name -> resolve
  function answer(name, value) {
    const resolve = pending[name];
    if (!resolve) return false;
    delete pending[name];
    resolve(value);
    return true;
  }
  // The board at the first wait of the first day, and the first chart, as
  // digests for the browser test (tests/web/play_test.py).
  const firstPictures = {};
  let dayBegun = false;
  function canvasDigest(target) {
    const c = canvases[target]();
    const data = c.getContext("2d").getImageData(0, 0, c.width, c.height).data;
    let h = 0x811c9dc5;
    for (let i = 0; i < data.length; i += 4)
      for (let k = 0; k < 3; ++k) h = Math.imul(h ^ data[i + k], 0x01000193) >>> 0;
    return h;
  }
  function noteFirstPictures(name) {
    if (dayBegun && !("board" in firstPictures) && (name === "RunFilm" || name === "AskTactic"))
      firstPictures.board = canvasDigest("Image2");
    if (name === "ShowDailyChart" && !("chart" in firstPictures))
      firstPictures.chart = canvasDigest("Chart");
  }

  function wait(name, data) {
    noteFirstPictures(name);
    return new Promise((resolve) => {
      pending[name] = resolve;
      waits[name](data);
    });
  }

  const el = (name) => inWin("frmKelmar", name);
  const panel = ["JuryoList", "NameLabel", "AgeLabel", "PLabel", "SLabel", "WLabel",
                 "AgeLabel1", "PLabel1", "SLabel1", "WLabel1", "PlayerOkButton"];
  const item = (name) => $(name, main);
  function setLabel(name, text, colour) {
    const label = el(name);
    label.textContent = text;
    if (colour) label.style.color = colour;
  }

  // The film: Timer1 ticks the core while a film runs, at the chosen pace.
  const kPaces = [1, 2, 4];
  let pace = Number(localStorage.getItem("kelmar.filmPace")) || 0;
  if (!(pace >= 0 && pace <= 2)) pace = 0;
  const kStandardTick = 300;
  let filmTimer = null;
  function filmTick() {
    const action = Module._web_film_tick();
    const image1 = el("Image1");
    if (action & 1) image1.hidden = false;
    if (action & 2) image1.hidden = true;
    if (!(action & 4)) {
      stopFilm();
      answer("RunFilm", 0);
    }
  }
  function startFilm() {
    stopFilm();
    filmTimer = setInterval(filmTick, Math.max(1, Math.floor(kStandardTick / kPaces[pace])));
  }
  function stopFilm() {
    if (filmTimer !== null) clearInterval(filmTimer);
    filmTimer = null;
  }

  const waits = {
    ShowNewspaper({ page }) {
      inWin("frmPaper", "lblTitle").textContent = page.replace(/\r/g, "");
      openWindow("frmPaper", true, "Ok");
    },
    AskTactic({ name, age }) {
      inWin("frmStrategy", "lblNameOfwres").textContent = name;
      inWin("frmStrategy", "lblAge").textContent = age;
      if (!isOpen("frmStrategy")) openWindow("frmStrategy", true, "Button1");
      else inWin("frmStrategy", "Button1").focus();
    },
    ShowOpponentReport({ lines }) { showReport(lines); },
    ShowCareerReport({ lines }) { showReport(lines); },
    RunFilm() { if (!Module._web_paused()) startFilm(); },
    Paused() {},
    ShowDailyChart({ refusal }) {
      closeWindow("frmStage");
      inWin("frmStage", "lblTitle").textContent = kChartTitles;
      openWindow("frmStage", true, "btnClose");
      if (refusal) showError(refusal);
    },
    AskName({ caption, prompt, preset }) {
      inWin("NameDialog", "NameCaption").textContent = caption;
      inWin("NameDialog", "NamePrompt").textContent = prompt;
      inWin("NameDialog", "NameEdit").value = preset;
      openWindow("NameDialog", true, "NameEdit");
      inWin("NameDialog", "NameEdit").select();
    },
  };
  function showReport(lines) {
    ["Label3", "Label1", "Label2", "Label4"].forEach((n, i) => (inWin("frmReport", n).textContent = lines[i]));
    openWindow("frmReport", true, "Button1");
  }

  // Moments the core tells without waiting.
  const moments = {
    DayCaption({ caption }) { setLabel("lblBasyo", caption); },
    DayBegins() {
      dayBegun = true;
      el("btnStop").hidden = false;
      el("btnStop").disabled = false;
      item("KN1").disabled = true;
      item("KT1").disabled = true;
    },
    BoutBegins({ east, west }) {
      setLabel("lblEast", east.label, east.player ? "#0000ff" : "#000");
      setLabel("lblWest", west.label, west.player ? "#0000ff" : "#000");
    },
    DayEnds() {
      el("btnStop").hidden = true;
      el("btnStop").disabled = true;
      item("KN1").disabled = false;
      item("KT1").disabled = false;
      setLabel("lblWest", "");
      setLabel("lblEast", "");
    },
    BashoEnds({ caption }) {
      setLabel("lblMyP", caption);
      el("PlayerOkButton").hidden = false;
      el("PlayerOkButton").disabled = false;
      item("KB1").disabled = false;
      item("KS1").disabled = false;
    },
    LeagueCompleted() {
      el("PlayerOkButton").textContent = "次へ";
      el("lblMyP").hidden = false;
    },
    SavedGameRead({ practice }) {
      hidePanel();
      setChecked(item("KT1"), practice);
    },
    SavedGameTakenUp({ caption }) {
      setLabel("lblMyP", caption);
      el("lblMyP").hidden = false;
    },
    FileWritten({ name }) { keepFolderFile(name); },
  };

  // ---- The handlers ------------------------------------------------------
  let busy = null;  // the basho running in the core (a promise), or null
  function runBasho(entry) {
    busy = Module.ccall(entry, "number", [], [], { async: true });
    return busy.finally(() => {
      busy = null;
      if (quitting) restart();
    });
  }

  function hidePanel() {
    for (const name of panel) {
      el(name).disabled = true;
      el(name).hidden = true;
    }
  }

  function KN1Click() {
    Module._web_clear_board();
    setLabel("lblMyP", "得点 : 0");
    const names = JSON.parse(Module.UTF8ToString(Module._web_new_game()));
    if (names === null) return;
    const list = el("JuryoList");
    list.replaceChildren(...names.map((n) => new Option(n)));
    list.selectedIndex = -1;
    for (const name of panel) {
      el(name).disabled = name === "PlayerOkButton";
      el(name).hidden = false;
    }
    setLabel("NameLabel", "しこな：");
    for (const n of ["AgeLabel1", "PLabel1", "SLabel1", "WLabel1"]) setLabel(n, "0");
    el("PlayerOkButton").textContent = "Ok";
    list.focus();
  }

  function JuryoListClick() {
    const row = el("JuryoList").selectedIndex;
    if (row < 0 || row >= 27) return;
    const pick = JSON.parse(Module.UTF8ToString(Module._web_pick(row + 1)));
    if (pick === null) return;
    setLabel("NameLabel", "しこな：" + pick.name);
    setLabel("AgeLabel1", pick.age);
    setLabel("PLabel1", String(pick.pw));
    setLabel("SLabel1", String(pick.sp));
    setLabel("WLabel1", String(pick.tc));
    el("PlayerOkButton").disabled = false;
  }

  function PlayerOkButtonClick() {
    if (busy) return;
    hidePanel();
    item("KB1").disabled = true;
    item("KS1").disabled = true;
    if (isOpen("frmStage")) closeWindow("frmStage");
    runBasho("web_confirm");
  }

  async function KS1Click() {
    if (Module._web_save()) await keepFolderFile(kSavedGame);
  }

  function KO2Click() {
    // While a basho runs the rules refuse the saved game with their message.
    if (busy && !Module._web_basho_running()) return;
    if (!busy && !Module._web_basho_running() && isOpen("frmStage")) closeWindow("frmStage");
    if (Module._web_read_saved_game() && !busy) runBasho("web_run_basho");
  }

  let quitting = false;
  function KQ1Click() {
    quitting = true;
    Module._web_quit();
    stopFilm();
    for (const name of Object.keys(pending)) answer(name, 0);
    for (const w of [...modal]) closeWindow(w);
    if (!busy) restart();
  }
  // The page at its start, as after loading it: the saves stay kept.
  function restart() { location.reload(); }

  function KB1Click() {
    if (!Module._web_chart()) return;
    inWin("frmStage", "lblTitle").textContent = kChartTitles;
    openWindow("frmStage", false, "btnClose");
  }

  function KT2Click() {
    const places = JSON.parse(Module.UTF8ToString(Module._web_top_ten()));
    const body = inWin("frmBest10", "Best10Rows");
    body.replaceChildren();
    places.forEach(([name, score], r) => {
      const top = 8 + 16 * r;
      const n = document.createElement("span");
      n.className = "best10";
      n.dataset.name = "lblName" + (r + 1);
      n.style.cssText = `left:8px;top:${top}px`;
      n.textContent = (r < 9 ? " " + (r + 1) + " " : "10 ") + name;
      const p = document.createElement("span");
      p.className = "best10";
      p.dataset.name = "lblP" + (r + 1);
      p.style.cssText = `right:9px;top:${top}px`;
      p.textContent = score + " てん";
      body.append(n, p);
    });
    openWindow("frmBest10", false);
  }

  function setChecked(button, on) { button.classList.toggle("checked", !!on); }
  function KT1Click() {
    const on = !item("KT1").classList.contains("checked");
    setChecked(item("KT1"), on);
    Module._web_set_practice(on ? 1 : 0);
  }
  function K1Click() {
    const on = !item("K1").classList.contains("checked");
    setChecked(item("K1"), on);
    Module._web_set_animation(on ? 1 : 0);
  }
  function applyPace(p) {
    pace = p;
    for (let i = 0; i < 3; ++i) setChecked(item("FilmPace" + (i + 1)), i === p);
    if (filmTimer !== null) startFilm();
  }
  function FilmPaceClick(p) {
    applyPace(p);
    localStorage.setItem("kelmar.filmPace", String(p));
  }

  // The help file's topics, read by the core.
  let help = null, helpHistory = [], helpCurrent = 0;
  function showTopic(number, remember) {
    const topic = help.find((t) => t.number === number);
    if (!topic) {
      message(`ヘルプの項目 ${number} がありません。`);
      return false;
    }
    if (remember && helpCurrent) helpHistory.push(helpCurrent);
    helpCurrent = number;
    const browser = inWin("HelpWindow", "Browser");
    browser.replaceChildren();
    const h = document.createElement("h3");
    h.textContent = topic.title;
    browser.append(h);
    for (const paragraph of topic.paragraphs) {
      const p = document.createElement("p");
      for (const [text, link] of paragraph) {
        const span = document.createElement(link ? "a" : "span");
        text.split("\n").forEach((part, i) => {
          if (i) span.append(document.createElement("br"));
          span.append(part);
        });
        if (link) span.onclick = () => showTopic(link, true);
        p.append(span);
      }
      browser.append(p);
    }
    browser.scrollTop = 0;
    return true;
  }
  function KP1Click() {
    help = JSON.parse(Module.UTF8ToString(Module._web_help()));
    if (help === null) return;
    helpHistory = [];
    helpCurrent = 0;
    if (showTopic(1, false)) openWindow("HelpWindow", false);
  }

  function KA1Click() { openWindow("AboutForm", false, "Button1"); }

  function RecordClick() {
    message("力士の記録は、デスクトップ版のケルマーが保存しています。ブラウザー版では記録を見ることができません。");
  }

  // Kelmar.ini downloaded as the desktop writes it.
  async function ExportSaveClick() {
    const bytes = folderFile(kSavedGame) || (await keptFile(kSavedGame));
    if (!bytes) {
      message("保存されたゲームがありません。");
      return;
    }
    const a = document.createElement("a");
    a.href = URL.createObjectURL(new Blob([bytes], { type: "application/octet-stream" }));
    a.download = kSavedGame;
    document.body.append(a);
    a.click();
    a.remove();
    setTimeout(() => URL.revokeObjectURL(a.href), 10000);
  }

  function ImportSaveClick() {
    const input = $("ImportFile");
    input.value = "";
    input.click();
  }
  async function importFile(file) {
    const bytes = new Uint8Array(await file.arrayBuffer());
    const refusal = importRefusal(bytes);
    if (refusal) {
      message(refusal);
      return false;
    }
    await keepFile(kSavedGame, bytes);
    Module.FS.writeFile(kGameFolder + kSavedGame, bytes);
    message("保存ファイルを読み込みました。「ゲームの再開」で続きを遊べます。");
    return true;
  }
  $("ImportFile").onchange = (e) => {
    if (e.target.files.length) importFile(e.target.files[0]);
  };

  function btnStopClick() {
    el("btnStop").textContent = Module.UTF8ToString(Module._web_toggle_pause());
    if (Module._web_paused()) {
      stopFilm();
    } else {
      answer("Paused", 0);
      if (pending.RunFilm) startFilm();
    }
  }

  // ---- The menu ----------------------------------------------------------
  function closeMenus() {
    for (const m of main.querySelectorAll(".menu.open, .submenu.open")) m.classList.remove("open");
  }
  for (const menu of main.querySelectorAll(".menubar .menu > .title")) {
    menu.addEventListener("click", (e) => {
      const m = menu.parentElement, open = m.classList.contains("open");
      closeMenus();
      if (!open) m.classList.add("open");
      e.stopPropagation();
    });
  }
  for (const sub of main.querySelectorAll(".submenu > .title")) {
    sub.addEventListener("click", (e) => {
      sub.parentElement.classList.toggle("open");
      e.stopPropagation();
    });
  }
  document.addEventListener("click", (e) => {
    if (!e.target.closest(".menubar")) closeMenus();
  });

  const handlers = {
    KN1: KN1Click, KS1: KS1Click, KO2: KO2Click, KQ1: KQ1Click, KB1: KB1Click, KT2: KT2Click,
    KT1: KT1Click, K1: K1Click, KP1: KP1Click, KA1: KA1Click, KC1: RecordClick, KH2: RecordClick,
    ExportSave: ExportSaveClick, ImportSave: ImportSaveClick,
    FilmPace1: () => FilmPaceClick(0), FilmPace2: () => FilmPaceClick(1), FilmPace3: () => FilmPaceClick(2),
  };
  for (const [name, handler] of Object.entries(handlers)) {
    item(name).addEventListener("click", (e) => {
      e.stopPropagation();
      if (e.currentTarget.disabled) return;
      closeMenus();
      handler();
    });
  }
  // A pick is a click on an entry or any other change of the selection; a
  // click that changed the selection is one pick, not two.
  let changedInPress = false;
  el("JuryoList").addEventListener("mousedown", () => (changedInPress = false));
  el("JuryoList").addEventListener("change", () => {
    changedInPress = true;
    JuryoListClick();
  });
  el("JuryoList").addEventListener("click", () => {
    if (!changedInPress) JuryoListClick();
    changedInPress = false;
  });
  el("PlayerOkButton").onclick = PlayerOkButtonClick;
  el("btnStop").onclick = btnStopClick;

  // The dialogs' buttons.
  inWin("frmPaper", "Ok").onclick = () => { closeWindow("frmPaper"); answer("ShowNewspaper", 0); };
  for (let i = 1; i <= 3; ++i)
    inWin("frmStrategy", "Button" + i).onclick = () => { closeWindow("frmStrategy"); answer("AskTactic", i); };
  inWin("frmStrategy", "Button4").onclick = () => answer("AskTactic", 4);
  inWin("frmReport", "Button1").onclick = () => {
    closeWindow("frmReport");
    answer("ShowOpponentReport", 0) || answer("ShowCareerReport", 0);
  };
  inWin("frmStage", "btnClose").onclick = () => { closeWindow("frmStage"); answer("ShowDailyChart", 0); };
  inWin("frmBest10", "CloseBest10").onclick = () => closeWindow("frmBest10");
  // A window's close box: as its button, and the tactic window closes without
  // a choice, which leaves the tactic as it was.
  inWin("frmPaper", "Close").onclick = () => inWin("frmPaper", "Ok").click();
  inWin("frmReport", "Close").onclick = () => inWin("frmReport", "Button1").click();
  inWin("frmStage", "Close").onclick = () => inWin("frmStage", "btnClose").click();
  inWin("AboutForm", "Close").onclick = () => inWin("AboutForm", "Button1").click();
  inWin("frmStrategy", "Close").onclick = () => { closeWindow("frmStrategy"); answer("AskTactic", 0); };
  inWin("AboutForm", "Button1").onclick = () => closeWindow("AboutForm");
  inWin("HelpWindow", "CloseHelp").onclick = () => closeWindow("HelpWindow");
  inWin("HelpWindow", "btnContents").onclick = () => showTopic(1, true);
  inWin("HelpWindow", "btnBack").onclick = () => {
    if (helpHistory.length) showTopic(helpHistory.pop(), false);
  };
  const nameAnswer = (ok) => {
    closeWindow("NameDialog");
    answer("AskName", ok ? inWin("NameDialog", "NameEdit").value : null);
  };
  inWin("NameDialog", "NameOk").onclick = () => nameAnswer(true);
  inWin("NameDialog", "NameCancel").onclick = () => nameAnswer(false);

  // ---- Keys --------------------------------------------------------------
  document.addEventListener("keydown", (e) => {
    const top = modal[modal.length - 1];
    if (top === "frmStrategy" && /^[1-4]$/.test(e.key)) {
      inWin("frmStrategy", "Button" + e.key).click();
      e.preventDefault();
      return;
    }
    if (e.key === "Enter") {
      const press = { frmPaper: "Ok", frmReport: "Button1", frmStage: "btnClose", ErrorBox: "ErrorOk", NameDialog: "NameOk" }[top];
      if (press) {
        inWin(top, press).click();
        e.preventDefault();
        return;
      }
      if (!top && isOpen("frmStage") && document.activeElement === inWin("frmStage", "btnClose")) {
        inWin("frmStage", "btnClose").click();
        e.preventDefault();
        return;
      }
      const ok = el("PlayerOkButton");
      if (!top && !ok.hidden && !ok.disabled && ok.textContent === "次へ") {
        ok.click();
        e.preventDefault();
      }
    }
    if (e.key === "Escape" && top === "NameDialog") nameAnswer(false);
  });

  // ---- Scale -------------------------------------------------------------
  // Whole-number factors where the board fits; below its width (430 px) a
  // smooth fit. The stage is the main window and room for the chart below it.
  const kStageWidth = 430, kStageHeight = 346;
  const frame = document.getElementById("frame");
  const stage = document.getElementById("stage");
  function scaleFactor(width, height) {
    if (width < kStageWidth) return width / kStageWidth;
    return Math.max(1, Math.floor(Math.min(width / kStageWidth, height / kStageHeight)));
  }
  function rescale() {
    const f = scaleFactor(document.documentElement.clientWidth, window.innerHeight);
    stage.style.transform = `scale(${f})`;
    frame.style.width = Math.floor(kStageWidth * f) + "px";
    frame.style.height = Math.ceil(kStageHeight * f) + "px";
    stage.dataset.scale = String(f);
    for (const c of document.querySelectorAll("canvas"))
      c.style.imageRendering = Number.isInteger(f) ? "pixelated" : "auto";
  }
  window.addEventListener("resize", rescale);
  rescale();

  // ---- Start -------------------------------------------------------------
  // ?clock=START,STEP: the rules' clock as kelmar-sim --clock has it.
  function clockOfAddress() {
    const value = new URLSearchParams(location.search).get("clock");
    if (value === null) return null;
    const m = /^(\d+)(?:,(\d+))?$/.exec(value);
    if (!m) {
      message(`?clock=${value}: START,STEP は 0 以上の整数です。時計を使います。`);
      return null;
    }
    return [Number(m[1]), m[2] === undefined ? 1000 : Number(m[2])];
  }

  async function start() {
    try {
      store = await openStore();
    } catch (e) {
      message("ブラウザーの保存領域を使えません。ゲームの保存とトップ１０は、このページを閉じると消えます。");
    }
    const files = await Promise.all([keptFile(kSavedGame), keptFile(kTopTen)]);
    await Promise.all(kPictureFiles.map(loadPicture));
    [kSavedGame, kTopTen].forEach((name, i) => {
      if (files[i]) Module.FS.writeFile(kGameFolder + name, files[i]);
    });
    for (const [name, p] of Object.entries(pictures)) Module.FS.writeFile(kGameFolder + name + ".bmp", bitmapFile(p));
    applyPace(pace);
    const clock = clockOfAddress();
    Module._web_start(clock ? 1 : 0, clock ? clock[0] : 0, clock ? clock[1] : 0, files[1] ? 1 : 0);
    document.body.dataset.ready = "1";
    window.kelmarReadyAt = performance.now();
  }

  return {
    moment(name, data) { moments[name](data); },
    showPixels,
    firstPictures,
    wait,
    showError,
    start,
    importRefusal,
    importFile,
    scaleFactor,
    keptFile,
    keepFolderFile,
    // FNV-1a of a picture's R, G, B bytes, row after row, as the page read it.
    pictureDigest(name) {
      const p = pictures[name];
      if (!p) return null;
      let h = 0x811c9dc5;
      for (let i = 0; i < p.data.length; i += 4)
        for (let c = 0; c < 3; ++c) h = Math.imul(h ^ p.data[i + c], 0x01000193) >>> 0;
      return h;
    },
  };
})();

var Module = {
  onRuntimeInitialized() { Kelmar.start(); },
  print: (text) => console.log(text),
  printErr: (text) => console.warn(text),
};
(() => {
  const core = document.createElement("script");
  core.src = "kelmar-core.js";
  document.body.append(core);
})();
