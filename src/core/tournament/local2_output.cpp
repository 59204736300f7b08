// dbLocal2's output files and printouts.
#include "core/data/file_io.h"
#include "core/data/write_form.h"
#include "core/lists/printer_setup.h"
#include "core/text/numeric.h"
#include "core/tournament/local2_form.h"
#include "core/tournament/output_files.h"
#include "core/tournament/playoff.h"
#include "core/tournament/tournament_files.h"
#include "core/tournament/tournament_reports.h"

namespace hrs {

namespace {

void LeaveViews(Local2Form& form) {
  HidePairingControls(form);
  ShowResultFields(form, false);
  form.qualificationMode = false;
}

// The matches for the outside files, with the playoff of the bracket file
// when there is one.
std::vector<FiledMatch> MatchesWithPlayoff(const SmallTournament& t, const Database& db) {
  SmallTournament withBracket = t;
  const bool bracket = LoadBracket(db.location, withBracket);
  return FiledMatches(withBracket, bracket);
}

// Turns the tournament into a sanctioned one: the membership check, then the
// Event Id, kept in the header file. True when it is sanctioned afterwards.
bool MakeSanctioned(Local2Form& form, SmallTournament& t, const Database& db, Dialogs& dialogs,
                    const std::string& question) {
  if (t.header.Sanctioned == 1) return true;
  dialogs.Beep();
  if (dialogs.Message(question + "\r\rShould it be?", Buttons::YesNo, Icon::Question, "Sanctioned ?") != Answer::Yes)
    return false;
  form.FillList1();
  form.Label1.caption.clear();
  form.Label2.caption.clear();
  form.List1.AddLine("These players have incorrect Membership Id's:");
  const auto missing = MissingMembershipLines(t, db.players);
  for (const std::string& line : missing) form.List1.AddLine(line);
  if (!missing.empty()) {
    dialogs.Beep();
    dialogs.Message("Please correct");
    return false;
  }
  form.FillList1();
  const auto id = dialogs.Input("Please enter Event Id", "Sanctioned ?", "");
  if (!id || id->empty()) return false;
  // Sanctioned only when the header file keeps it: otherwise the next load
  // would ask for the Event Id again and the files would go out twice.
  const TournamentHeader before = t.header;
  t.header.Sanctioned = 1;
  t.header.EventId = SafeFileText(FirstChars(*id, EventIdLength));
  if (SaveHeaderFile(db.location, t, dialogs)) return true;
  t.header = before;
  return false;
}

// The printer dialog; the reports print in Courier 10.
bool StartPrint(Dialogs& dialogs, PrintJob& job, const Database& db, const std::string& report,
                const SmallTournament& t) {
  StartReport(job, db.location, report + "-" + t.base);
  if (!dialogs.ChoosePrinter()) return false;
  job.SetFont("Courier", 10);
  return true;
}

}  // namespace

void lt2mnu_roClick(Local2Form& form, SmallTournament& t, const Database& db, Dialogs& dialogs, const Clock& clock) {
  LeaveViews(form);
  if (!t.resultsComplete) {
    const Answer a = dialogs.Message("The tournament is not completed yet\rWould you like to make the file now?",
                                     Buttons::OkCancel, Icon::Question, "File for the Ranking System");
    if (a != Answer::Ok) return;
  }
  const std::string name = RankingSystemFileName(t.base);
  if (WriteFileAtomically(db.location.DataPath(name),
                          RankingSystemFileBytes(MatchesWithPlayoff(t, db), clock.Today()))) {
    dialogs.Beep();
    dialogs.Message("File of rating adjusting match results not saved. System error.");
    return;
  }
  dialogs.Message("Match file for the Ranking System successfully\rsaved as " + name +
                  "\rin your application directory.");
}

void lt2mnu_sfClick(Local2Form& form, SmallTournament& t, const Database& db, Dialogs& dialogs) {
  LeaveViews(form);
  if (!MakeSanctioned(form, t, db, dialogs, "This tournament is not registered as sanctioned")) return;
  dialogs.Message("Please put a write enabled diskette in drive A");
  std::vector<std::string> told;
  if (WriteSanctionedFiles(db.location, t, MatchesWithPlayoff(t, db), db.players, &told)) {
    dialogs.Beep();
    dialogs.Message(" Drive A:\\ or diskette not ready");
    return;
  }
  for (const std::string& m : told) dialogs.Message(m);
  dialogs.Message(" The files are ready (TRP_ and MAL_).");
}

void lt2mnu_pgClick(Local2Form&, const SmallTournament& t, const Database& db, Dialogs& dialogs, PrintJob& job,
                    const Clock& clock) {
  if (StartPrint(dialogs, job, db, "groups", t)) PrintGroups(job, dialogs, t, db.players, clock.Today());
}

void lt2mnu_pmpClick(Local2Form&, const SmallTournament& t, const Database& db, Dialogs& dialogs, PrintJob& job,
                     const Clock& clock) {
  if (StartPrint(dialogs, job, db, "match-program", t)) PrintMatchProgram(job, dialogs, t, db.players, clock.Today());
}

void lt2mnu_ppqClick(Local2Form& form, SmallTournament& t, const Database& db, Dialogs& dialogs, PrintJob& job,
                     const Clock& clock) {
  lt2mnu_poClick(form, t, db, dialogs);
  if (!t.resultsComplete) return;
  form.Label2.caption = " G     P   P-ratio     D-ratio    Name";
  form.Label1.caption =
      "These are the standings by group for the playoff pairing and seeding. G is group, P is points. \r"
      "Players in small groups if any have been awarded a 2-1 victory on your request.";
  if (StartPrint(dialogs, job, db, "standings", t)) PrintStandings(job, dialogs, t, db.players, clock.Today());
}

void lt2mnu_popClick(Local2Form&, const SmallTournament& t, const Database& db, Dialogs& dialogs, PrintJob& job,
                     const Clock& clock) {
  const auto seeding = LoadSeeding(db.location, t.base);
  if (!seeding) {
    dialogs.Message("Pairing not found. Did you make it?");
    return;
  }
  if (StartPrint(dialogs, job, db, "playoff", t)) PrintPlayoffSheet(job, dialogs, t, *seeding, clock.Today());
}

void lt2mnu_srClick(Local2Form& form, SmallTournament& t, const Database& db, Dialogs& dialogs, PrintJob& job,
                    const Clock& clock) {
  if (!MakeSanctioned(form, t, db, dialogs, "This tournament is not sanctioned")) return;
  if (StartPrint(dialogs, job, db, "sanctioned-reports", t))
    PrintSanctionedReports(job, dialogs, t, MatchesWithPlayoff(t, db), db.players, clock.Today());
}

}  // namespace hrs
