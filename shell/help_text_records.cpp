// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/help_text.h"

namespace dravex {

// The guide's sections on the records (log, cargo report, tank tables, job, vessel
// experience factor) and on every screen (notices, keys, numbers), after the screens'.
const char kGuideRecordsAndAfter[] = R"html(<h2 id="log">Calculation log (Ctrl+L)</h2>
<p class="menu">Menu: Records &gt; Calculation log (window "Calculation Log")</p>
<p>Every calculation a screen completes or stops on is kept in a log on this computer,
with the date and time, the screen, each entry as typed, each result as shown and the
working; the calculator keeps each "=" result. The log window lists them newest first.
Filter them by screen, by the vessel and voyage of their job, by date or by any text in the entries and results; the entry you
select is shown in full beside the list.</p>
<ul>
<li>Ctrl+C copies the selected entries as columns for a spreadsheet; Export CSV writes
them to a file; Print and Export PDF print them; Delete removes them after asking.</li>
<li>"Open in its window" fills that screen's entries with the logged texts and puts the
cursor in the field whose Enter computes. Nothing is computed until you press Enter.</li>
</ul>
<p>On every calculating screen, Ctrl+Shift+C copies the last calculation as text (the
screen, date and time, each entry and result, and the working), Ctrl+P prints it and
Ctrl+Shift+E exports it as a PDF; the screen's context menu has the same commands. The
print dialog takes an optional reference line, such as vessel and tank.</p>
<p>If the log cannot be written (a folder that is read-only, a full disk, a damaged file)
calculating goes on as before and the log window says why. A damaged log is kept aside
under a dated name and a new one is started.</p>

<h2 id="keeplog">Keep a log</h2>
<p class="menu">Menu: Records &gt; Keep a log</p>
<p>Ticked, every calculation is kept in the log; unticked, nothing new is kept. The choice
is remembered the next time Dravex starts.</p>

<h2 id="report">Cargo report (Ctrl+R)</h2>
<p class="menu">Menu: Records &gt; Cargo report, or Ctrl+R in the main window (window
"Cargo Report"; each choice opens a new report)</p>
<p>A quantity report of many tanks with totals per grade. Fill in the header (vessel or
terminal, voyage, port, date, operation, surveyor, remarks), choose US or metric units and
how the VCF is found: tank by tank, or per grade at the volume-weighted average
temperature of its tanks. Then type one tank per row: name, grade, type (A crude oils, B
products), total observed volume, free water, temperature, and either the gravity at 60 F
(API) or 15 C (kg/m3), or an observed gravity with its temperature.</p>
<ul>
<li>Each tank is computed as its table window computes it (Table 6A/6B or 54A/54B, and 5A/5B
or 53A/53B for an observed gravity), so its figures equal that window's for the same
entries. Metric tons in air are added: cubic metres x (density - 1.1) / 1000, or long tons
x 1.0160469088.</li>
<li>Edition: the 1980 tables, or the 2004 edition (API MPMS 11.1-2004), chosen per report.
With the 2004 edition each tank is computed as the 2004 Edition window computes it at
pressure 0 (type A crude oils, B refined products; to 60 F or 15 C), its VCF the CTPL; the
long-ton factor still comes from Table 11 or 57, by the API at 60 F or the density at 15 C
that window shows. A tank beyond a limit of the 2004 edition shows that window's notice.</li>
<li>Tab and Enter move across and down; Del clears; Ctrl+C and Ctrl+V copy and paste blocks
of cells as tab-separated text, to or from a spreadsheet; Ctrl+Z undoes, Ctrl+Shift+Z
redoes. F3 shows the working of the tank under the cursor.</li>
<li>A tank that cannot be computed (an entry that is not a number, say) shows why in its
Notice column, its bad cells marked; it is named under the totals and not counted.</li>
<li>A tank gauged from its tank table: in the panel beside the tanks give the ship's
condition (drafts forward and aft, length between perpendiculars, list and its side; the
trim is shown in words), then for the tank under the cursor its table, up to five
readings, the water cut and, for a shore tank, the ambient temperature. The total observed
volume and free water then come from the table, corrected for trim and list; a volume
typed by hand is marked "manual". Saving keeps each table's SHA-256, and a table changed
since stops its tank with both shown.</li>
<li>Survey kind: a cargo survey, or the OBQ before loading or ROB after discharge. Under
the totals the comparison takes the OBQ or ROB (typed, or from a saved survey) off the
vessel's TCV and sets it against the bill of lading or outturn, without and with the VEF,
the difference as receiver less sender in volume and in percent of the sender's figure;
beyond the tolerance typed it says so as a notice of apparent discrepancy.</li>
<li>File: New (Ctrl+N), Open (Ctrl+O), Save (Ctrl+S), Save As (Ctrl+Shift+S), recent files,
Export CSV, Export PDF, Print. Unsaved changes are kept aside every 30 seconds; after a
crash, Dravex offers them back when it starts.</li>
</ul>

<h2 id="tanktables">Tank tables</h2>
<p class="menu">Menu: Records &gt; Tank tables (window "Tank Tables")</p>
<p>The calibration tables of each vessel and shore terminal, one file per vessel or terminal
in Dravex's data folder (tank-tables). The list shows each vessel or terminal, its tanks and
the version of each table: the start of its SHA-256, which changes with any change to the
table. The table under the cursor is shown level by level, trims in words ("0.5 m by the
stern"), with a line on what the table holds: its layout, list corrections, gauge point,
shell alpha and floating roof. A file that cannot be read (damaged, or written by a newer Dravex) is listed with
the reason and never written over.</p>
<ul>
<li>Import (window "Import Tank Table"): open a CSV or tab-separated file, paste a block
copied from a spreadsheet, or type the table. Give the vessel or terminal, the tank's name,
kind, level kind, reference height, units and layout; then the columns: the level column,
the volume column, and for a table by trim its trim columns (3-8), the trims as printed
(-1 0 1 2 3 4) and whether the table prints a trim by the stern or by the head as positive.
A ship's tank takes its list columns the same way (the lists as printed in degrees, the side
a positive list lies to, and whether they correct the level or the volume), and the gauge
point's distance aft of the tank's centre and to starboard of its centre line with the
tank's length, width, depth and gauge hatch to aft bulkhead, all four or none (metres, or
feet for a table in feet and inches). A shore tank takes its shell (reference temperature,
scale, alpha: blank for mild steel) and its floating roof: deducted by the table at a
stated gravity, with the volume per unit of gravity, or not deducted, with its weight; and
the critical zone as innages, low below high.
The preview shows the text cell by cell; every problem is listed by row and column and its
cell marked. OK keeps the table only when there is no error; gaps between levels and
decimal commas are notices.</li>
<li>Rename gives a vessel, terminal or tank a new name (a tank's new name is a new version
of its table). Delete asks first, then removes a table, or a vessel's or terminal's file
with all its tables. Del deletes, Ctrl+W closes.</li>
</ul>

<h2 id="job">Job</h2>
<p class="menu">Menu: Records &gt; Job&hellip; (window "Job")</p>
<p>The job is what the figures are computed for: a vessel or a shore terminal, its name,
the voyage or reference, the port, the operation (loading, discharge, on arrival, on
sailing, other) and the date. "Set job" makes it current, "No job" clears it. The current
job is shown at the foot of the main window and is remembered the next time Dravex
starts.</p>
<p>Every calculation kept in the log while a job is current carries it: the log lists the
vessel and voyage of each entry and filters by them, and a copy, export or printout of
an entry names its job. When you open or save a cargo report whose header names another
job, Dravex asks whether to make that job the current one.</p>

<h2 id="vef">Vessel experience factor</h2>
<p class="menu">Menu: Records &gt; Vessel experience factor (window "Vessel Experience Factor")</p>
<p>Each vessel's voyages and its experience factors, loading (VEFL) and discharge (VEFD)
apart, by the primary method of API MPMS Chapter 17.9. A voyage holds its date, port,
loading or discharge, the vessel's TCV less OBQ or ROB, the shore's TCV and whether it may
be used. Add voyages from saved cargo reports, type them, or import them from CSV. Every
voyage shows its ratio and its status: qualifying, set aside and why, or rejected before
the calculation and why; with too few qualifying voyages the window says how many more are
needed. The voyages are kept in Dravex's data folder (voyage-log.json).</p>

<h2 id="store">Company store</h2>
<p class="menu">Menu: Records &gt; Company store&hellip; (window "Company Store")</p>
<p>A survey company may keep its reports and tank tables in a shared store on its
PostgreSQL server. In "Company Store" type the service name your company gave you (from
your PostgreSQL service file), or the host, port and database; your user name; the TLS
mode ("verify-full" with the company's CA file). Dravex keeps no password: PostgreSQL reads
it from your ~/.pgpass file or the service file. "Test" tries the settings without
connecting, "Connect" connects (again at every start until you "Disconnect"). The foot of
the main window shows the store, whether it is connected and how many saves wait.</p>
<p>While a store is set up, each save of a cargo report to its file also sends the report
to the store as a new revision. Without a connection (at sea, say) the save waits in an
outbox on this computer and is sent, in order, once the store can be reached. If someone
saved the same report first, the store keeps your version as a refused revision beside
theirs and Dravex names who saved first and when; your file keeps your version. The
outbox waits at a refused save until you set it aside in "Company Store".</p>

<h2 id="storebrowser">Store browser</h2>
<p class="menu">Menu: Records &gt; Store browser (window "Store Browser")</p>
<p>"Store Browser" finds the company's reports by vessel, voyage, port, dates, grade,
status and inspector. Choose a report for its revisions: open one as an untitled report
(saved, it becomes the next revision), compare two line by line, or show the report's audit
trail. A reviewer makes a report final ("Make final"), after which it is read-only, or
returns it to draft with a reason ("Return to draft…") that the audit trail keeps; the
database refuses both to anyone else. On "Tank tables", list a vessel's or terminal's
tables and keep them with your own tank tables for use without a connection, or send your
own tables of the vessel or terminal named there ("Send my tables"): each version goes to
the store once and is never changed there. Reports saved by others appear without asking.</p>

<h2 id="notices">Notices</h2>
<p><b>The out-of-range window "ERROR"</b> ("SORRY OUT OF RANGE FOR THE PROGRAM. PLEASE
REFER TO TABLES.") means that an entry lies outside what the screen's method covers. Use
the printed tables for that case. It opens over the middle of the screen that raised it,
and that screen's notice line says what was out of range, with the entry and the limit,
for example "Density 1100 kg/m3 is above 1074: no product group or gallons factor;
nothing was computed". Only these screens show it:</p>
<ul>
<li>Table 53B: an observed density below 650 or above 1075 kg/m&sup3;. The density is
still written, corrected for the hydrometer glass only.</li>
<li>Table 6B, Table 54A, Table 54B, and the stop gauge with "Table 6 B": a density above
1074 kg/m&sup3; (on the English screens a gravity below about 0.12 degrees API). Nothing is
written: the result fields keep what they held, which belongs to an earlier entry.</li>
<li>Wedge: the innage reaches beyond the wedge. The quantity is still written, but it is
not a wedge.</li>
</ul>
<p>There is only one "ERROR" window; a later case brings it to the front again. It stays
open until you close it, and closing it changes nothing else.</p>
<p><b>The red notice line</b> at the bottom of a screen tells why a calculation stopped:</p>
<ul>
<li>A field without a number, named by its label: "Gross Barrels: no number entered" for an
empty field, "Gross Barrels: 'abc' is not a number" for text that is not a number.</li>
<li>"Division by zero": for example a density, specific gravity or closing volume of 0, a
total volume of 0 on the average gravity, or an even keel on the wedge.</li>
<li>"Overflow: a value is too large to calculate with": a number beyond what the program
can hold, or a Table 5A temperature beyond its range. A typed number such as 1E999 gets
the field's label in front.</li>
<li>A choice still to be made: the wedge's units, the corrosion inhibitor's product or
unit.</li>
</ul>
<p><b>What stays written:</b> the calculation stops where the problem is found. Results
written before that point keep their new text; the others keep their old text. Correct
the entry and press Enter again. The notice goes away when the next calculation on that
screen completes.</p>
<p><b>Results from earlier entries are greyed.</b> Once a screen has computed, changing
any of its entries (typing in an input field, choosing another option or list item) turns
its results grey and the notice line says "Results are from the previous entries". A
calculation that stops does the same for every result it did not write again. The
figures themselves are never cleared; the grey goes when a calculation completes. On the
stop gauge, choosing the other table greys the result until you press a key on it.</p>
<p><b>Beyond the printed table.</b> The 1980 tables were printed for a limited range of
entries. Outside it the screen still computes with the tables' own formulas and writes
its figures as usual, and the notice line says that they are an extrapolation, naming the
entry and the range, for example "API gravity -30 API is beyond the printed Table 6A (0
to 100 API): the results are an extrapolation". The ranges, as the published
descriptions of the 1980 tables (the guide to the use of the petroleum measurement
tables, ASTM D1250, with API MPMS Chapter 11.1) and the valid ranges published with
implementations of them give them:</p>
<ul>
<li>Table 5A: observed API gravity 0 to 100, temperature 0 to 300 &deg;F. Table 5B: 0 to
85 API, 0 to 300 &deg;F.</li>
<li>Table 6A: API gravity 0 to 100; Table 6B: 0 to 85. Temperature 0 to 300 &deg;F up to
40 API, 0 to 250 &deg;F from 40.1 to 50 API, 0 to 200 &deg;F above 50 API. The stop gauge
uses the same ranges.</li>
<li>Tables 53A and 54A: density 610.5 to 1075 kg/m&sup3;; Tables 53B and 54B: 653 to 1075
kg/m&sup3;; temperature -18 to 150 &deg;C.</li>
</ul>
<p><b>The wedge and Table 53B</b> say on the notice line why the "ERROR" window opened
while their result is still written: the innage, in the units typed and in feet or metres,
against the wedge's limit; the observed density against the Table 53B product groups.</p>
<p><b>dravex-calc</b> reports the same words: a stop on standard error with status 1, a
warning beside the results on standard error with status 0.</p>

<h2 id="keys">Keys on every screen</h2>
<ul>
<li><b>F1</b> opens this help at the section of the screen you are in; <b>F2</b> opens the
calculator. Both work from every Dravex window.</li>
<li><b>Tab</b> and <b>Shift+Tab</b> move between fields in each screen's order. Some
screens open with the cursor in a result field (Table 5B, 53A and 53B in "API at 60 Deg.
F =" or "Density at 15 Deg. C": Tab once for the temperature, twice for the observed
value; Tables 6B, 54A and 54B as their sections say).</li>
<li>The <b>Working</b> button (Tab to it, Space to open) shows the intermediate values of
the last calculation. Once open, Tab moves into its text: the arrow keys with Shift
select lines, Ctrl+A selects all and Ctrl+C copies; Tab leaves it again.</li>
<li>Number fields are right-aligned, so the decimal points line up, and every window keeps
them wide enough for a 15-digit result with its sign: it cannot be made so small that a
number is cut or a field covers a picture.</li>
</ul>

<h2 id="numbers">Numbers</h2>
<ul>
<li>The decimal point is always ".", whatever the computer's number settings. Where the
computer's settings write a decimal comma, an entry that looks like thousands written
with a point, such as 10.000 or 1.250, or a decimal written with a comma, such as 1,250,
is still read with the point, and the notice line says how it was read: "10.000 was read
as 10 (the decimal separator is a point)". The calculation goes on.</li>
<li>"," is a thousands separator before a group of three digits and is ignored: 1,234.5
reads as 1234.5. A "," used as a decimal point is refused: 12,5 is not a number.</li>
<li>A sign may lead ("-2"), and blanks around the number do no harm.</li>
<li>Exponent form is accepted: 1.5E3 reads as 1500.</li>
<li>Results show up to 15 significant digits, without trailing zeros: 1, not 1.00;
62.3, not 62.30. Very large or very small results appear in exponent form, such as 1E+16
or 1E-05.</li>
<li>Results are rounded or cut at fixed decimals, step by step, exactly as the tables do;
this guide says "cut" where a figure is cut rather than rounded. Rounding takes a half up.
Most rounded results are shown without a sign: a negative gross volume gives positive net
barrels. API gravities below zero are shown with their minus sign.</li>
</ul>
)html";

} // namespace dravex
