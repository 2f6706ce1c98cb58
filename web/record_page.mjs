// The career record in the page, bound at the start: the kept store brought
// back, the record's listener (the store kept after each write, the home
// hidden when a career begins and shown again, with the career's cover, when
// it has ended), the home, the record's windows and the File menu's export
// and import of the record.
import { makeCard } from "./card.mjs";
import * as core from "./core.mjs";
import { bindHome, hideHome, showHome } from "./home.mjs";
import { onItem } from "./menu.mjs";
import { bringRecord, chooseRecordImport, exportRecord, keepRecord } from "./record_store.mjs";
import { bindRecordWindows, refreshRecordWindows, showCareer } from "./record_windows.mjs";

export { bringRecord };

// After the basho that runs, or at once.
const afterBasho = (work) => (core.runningBasho() ?? Promise.resolve()).then(work, work);

export function bindRecord() {
  core.listenToRecord({
    written: () => {
      keepRecord();
      afterBasho(refreshRecordWindows);
    },
    careerBegins: hideHome,
    careerEnds: (career) =>
      afterBasho(() => {
        showHome();
        if (career > 0) showCareer(career);
      }),
  });
  bindHome();
  bindRecordWindows(makeCard);
  onItem("ExportRecord", exportRecord);
  onItem("ImportRecord", chooseRecordImport);
  showHome();
  // The store opened while the player looks at the home, not at the first
  // window that reads it.
  setTimeout(() => {
    if (!core.runningBasho()) core.openRecord();
  }, 0);
}
