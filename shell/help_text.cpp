// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/help_text.h"

namespace dravex {

namespace {

// One section per screen, in the order of the menu; each names its menu path, what the
// screen computes, its inputs with their units, the field whose Enter computes and the
// results. Labels are quoted as the screens show them.
const char kGuide[] = R"html(
<style>
h2 { margin-top: 18px; }
p.menu { color: #404040; }
</style>

<p>Each screen opens from the menu of the main window "DRAVEX". Type a number in each
input field, then press <b>Enter</b> in the field named under <b>Enter</b> below: the
screen computes at once and fills its result fields. Typing alone never computes.</p>
<p>A screen is open only once: choosing it again brings it to the front as you left it.
Closing a screen clears its fields. You can type in result fields, but the screen never
reads them. The table screens have their inputs on the left, under "Your Data Entered on
This Side", and their results on the right, under "Results Displayed on This Side".</p>

<p><b>Gravity correction:</b>
<a href="#t5a">Table 5A</a>, <a href="#t5b">Table 5B</a>,
<a href="#t53a">Table 53A</a>, <a href="#t53b">Table 53B</a><br>
<b>Volume correction:</b>
<a href="#t6a">Table 6A</a>, <a href="#t6b">Table 6B</a>,
<a href="#t54a">Table 54A</a>, <a href="#t54b">Table 54B</a>,
<a href="#t2004">2004 edition</a><br>
<b>Conversion:</b>
<a href="#temp">Temperature</a>, <a href="#grav">Gravity conversion</a><br>
<b>Gauging:</b>
<a href="#wedge">Wedge</a>, <a href="#stop">Stop gauge</a>,
<a href="#avg">Average gravity</a>, <a href="#theo">Theoretical density</a><br>
<b>Additives:</b>
<a href="#fsiib">FSII, barrels</a>, <a href="#fsiig">FSII, gallons</a>,
<a href="#sdab">SDA, barrels</a>, <a href="#sdag">SDA, gallons</a>,
<a href="#ci">Corrosion inhibitor</a>, <a href="#dmd">DMD-2</a><br>
<b>Calculator:</b> <a href="#calc">Calculator (F2)</a><br>
<b>Records:</b> <a href="#log">Calculation log (Ctrl+L)</a>, <a href="#keeplog">Keep a log</a>,
<a href="#report">Cargo report (Ctrl+R)</a>, <a href="#tanktables">Tank tables</a>,
<a href="#job">Job</a>, <a href="#vef">Vessel experience factor</a>,
<a href="#store">Company store</a>, <a href="#storebrowser">Store browser</a><br>
<b>All screens:</b> <a href="#notices">Notices</a>, <a href="#keys">Keys on every screen</a>,
<a href="#numbers">Numbers</a></p>

<h2 id="t5a">Table 5A</h2>
<p class="menu">Menu: Tables &gt; Gravity Correction &gt; English &gt; Table 5a
(window "GRAVITY CORRECTION (TABLE 5a)")</p>
<p>Corrects a glass hydrometer reading of API gravity, taken at the temperature of the
sample, to the API gravity at 60 &deg;F, for crude oils. It allows for the expansion of the
hydrometer glass and of the oil.</p>
<ul>
<li>" Enter Observed API ( 0.5)": the hydrometer reading, in degrees API.</li>
<li>"Enter Observed Temp. (0.5)": the sample temperature, in &deg;F, to 0.5 &deg;F.</li>
</ul>
<p><b>Enter</b> in "Enter Observed Temp. (0.5)" computes. Enter in the API field does
nothing, so you may type the two in either order.</p>
<p><b>Result:</b> "API at 60 Deg. F =", in degrees API, one decimal.</p>
<p>Table 5A takes the difference from 60 &deg;F in whole degrees (a half goes to the even
degree). It works for temperatures from about -121 &deg;F to 241 &deg;F; beyond that the
notice line reports an overflow. There is no range check and no out-of-range window.</p>

<h2 id="t5b">Table 5B</h2>
<p class="menu">Menu: Tables &gt; Gravity Correction &gt; English &gt; Table 5b
(window "GRAVITY CORRECTION (TABLE 5b)")</p>
<p>The same correction as Table 5A, with the temperature difference taken exactly instead
of in whole degrees. It uses the same expansion constants for every product.</p>
<ul>
<li>"Enter Observed API": the hydrometer reading, in degrees API.</li>
<li>"Enter Observed Temp.": the sample temperature, in &deg;F, to 0.5 &deg;F.</li>
</ul>
<p><b>Enter</b> in "Enter Observed Temp." computes. The cursor starts in the result field:
Tab takes you to the temperature, then to the API gravity.</p>
<p><b>Result:</b> "API at 60 Deg. F =", in degrees API, one decimal. No range check.</p>

<h2 id="t53a">Table 53A</h2>
<p class="menu">Menu: Tables &gt; Gravity Correction &gt; Metric &gt; Table 53a
(window "GRAVITY CORRECTION (TABLE 53a)")</p>
<p>Corrects a glass hydrometer reading of density, taken at the temperature of the sample,
to the density at 15 &deg;C, for crude oils.</p>
<ul>
<li>"Enter Observed Density": the hydrometer reading, in kg/m&sup3;.</li>
<li>"Enter Observed Temp. C": the sample temperature, in &deg;C, to 0.25 &deg;C.</li>
</ul>
<p><b>Enter</b> in "Enter Observed Temp. C" computes. The cursor starts in the result
field: Tab takes you to the temperature, then to the density.</p>
<p><b>Result:</b> "Density at 15 Deg. C", in kg/m&sup3;, one decimal. No range check.</p>

<h2 id="t53b">Table 53B</h2>
<p class="menu">Menu: Tables &gt; Gravity Correction &gt; Metric &gt; Table 53b
(window "GRAVITY CORRECTION (TABLE 53b)")</p>
<p>The same correction as Table 53A, for refined products. The product group follows the
observed density as typed: gasolines from 650 up to 778.5 kg/m&sup3;, jet fuels up to
838.5, fuel oils up to 1075 (each limit belongs to the group below it).</p>
<p>Inputs, <b>Enter</b> and <b>result</b> as on Table 53A.</p>
<p><b>Out of range:</b> an observed density below 650 or above 1075 kg/m&sup3; opens the
"ERROR" window. The screen still writes a density, corrected for the hydrometer glass
only; use the printed tables for such a sample.</p>

<h2 id="t6a">Table 6A</h2>
<p class="menu">Menu: Tables &gt; Volume Correction &gt; English &gt; Table 6a
(window "VOLUME CORRECTION (TABLE 6a)")</p>
<p>Corrects a gross volume of crude oil at the observed temperature to net barrels at
60 &deg;F, and gives the net gallons, the long-ton factor of Table 11 and the weight in
long tons.</p>
<ul>
<li>"Gravity at 60 F (0.1)": API gravity at 60 &deg;F.</li>
<li>"Temperature to 0.5 Degrees F": observed temperature, in &deg;F.</li>
<li>"Gross Barrels": US barrels (42 US gallons) at the observed temperature.</li>
</ul>
<p><b>Enter</b> in "Gross Barrels" computes everything. Enter in the other two fields does
nothing.</p>
<p><b>Results:</b></p>
<ul>
<li>"Volume Correction Factor": four decimals.</li>
<li>"Your Net Barrels at 60 F Are:": gross barrels times the factor, two decimals.</li>
<li>"Net Gallons at 60 F": net barrels times 42, whole gallons, cut (not rounded).</li>
<li>"LT. Factor": long tons per barrel (Table 11), five decimals.</li>
<li>"Long Tons Table 11": net barrels times the long-ton factor, two decimals.</li>
</ul>
<p>The factor uses the gravity rounded to two decimals; the long-ton factor uses it as
typed.</p>
<p><b>Try it:</b> gravity 30, temperature 80, gross 10000, Enter: factor 0.9911, net
barrels 9911, net gallons 416262, LT. factor 0.13679, long tons 1355.73.</p>

<h2 id="t6b">Table 6B</h2>
<p class="menu">Menu: Tables &gt; Volume Correction &gt; English &gt; Table 6b
(window "VOLUME CORRECTION (TABLE 6b)")</p>
<p>As Table 6A, for generalized products: gasolines, the transition zone, jet fuels and
fuel oils, chosen by the density that the gravity gives.</p>
<p>Inputs and <b>Enter</b> as on Table 6A. The cursor starts in "LT. Factor": click
"Gravity at 60 F (0.1)" to begin, or press Shift+Tab twice.</p>
<p><b>Try it:</b> gravity 50, temperature 80, gross 10000, Enter: factor 0.9882, net
barrels 9882, net gallons 415044, LT. factor 0.12169, long tons 1202.54.</p>
<p><b>Results:</b> "Volume Correction Factor", "Your Net Barrels at 60 Deg F Are:",
"Net Gallons", "LT. Factor" and "Long Tons Table 11", as on Table 6A, except that the
long-ton factor is cut, not rounded, to five decimals.</p>
<p><b>Out of range:</b> a gravity below about 0.12 degrees API (a density above
1074 kg/m&sup3;) belongs to no product group. The "ERROR" window opens and nothing is
written.</p>

<h2 id="t54a">Table 54A</h2>
<p class="menu">Menu: Tables &gt; Volume Correction &gt; Metric &gt; Table 54a
(window "VOLUME CORRECTION (TABLE 54a)")</p>
<p>Corrects gross litres of crude oil at the observed temperature to net litres at
15 &deg;C, and gives net US gallons and barrels at 60 &deg;F, cubic metres, the long-ton
factor of Table 57 and the weight in long tons.</p>
<ul>
<li>"Density at 15 C": in kg/m&sup3;.</li>
<li>"Temperature to 0.25 Degrees C": observed temperature, in &deg;C.</li>
<li>"Gross Liters": litres at the observed temperature.</li>
</ul>
<p><b>Enter</b> in "Gross Liters" computes everything. The cursor starts in
"LT. Factor": click "Density at 15 C" to begin, or press Shift+Tab four times.</p>
<p><b>Results:</b></p>
<ul>
<li>"Volume Correction Factor": four decimals.</li>
<li>"Your Net Liters at 15 C are:": whole litres.</li>
<li>"Net Barrels at 60 Deg F are:": net gallons divided by 42, two decimals.</li>
<li>"Net Gallons at 60 F:": whole US gallons, from the net litres with a gallons-per-litre
factor chosen by the density.</li>
<li>"Cubic Meters at 15 C": net litres divided by 1000.</li>
<li>"LT. Factor": long tons per cubic metre (Table 57), four decimals, cut.</li>
<li>"Long Tons Table 57": cubic metres times the long-ton factor, two decimals.</li>
</ul>
<p><b>Out of range:</b> a density above 1074 kg/m&sup3; opens the "ERROR" window and
nothing is written.</p>
<p><b>Try it:</b> density 850, temperature 25, gross 10000, Enter: factor 0.9915, net
litres 9915, net barrels 62.38, net gallons 2620, cubic metres 9.915, LT. factor 0.8355,
long tons 8.28.</p>

<h2 id="t54b">Table 54B</h2>
<p class="menu">Menu: Tables &gt; Volume Correction &gt; Metric &gt; Table 54b
(window "VOLUME CORRECTION (TABLE 54b)")</p>
<p>As Table 54A, for generalized products: gasolines, the transition zone, jet fuels and
fuel oils, chosen by the density.</p>
<p>Inputs, <b>Enter</b>, results and out-of-range rule as on Table 54A (the net barrels
are labelled "Net Barrels at 60 F are:"). The cursor starts in the net barrels field:
click "Density at 15 C" to begin, or press Tab once.</p>
<p><b>Try it:</b> density 780, temperature 25, gross 10000, Enter: factor 0.9895, net
litres 9895, net barrels 62.29, net gallons 2616, cubic metres 9.895, LT. factor 0.7666,
long tons 7.59.</p>

<h2 id="t2004">2004 Edition</h2>
<p class="menu">Menu: Tables &gt; 2004 Edition (Temperature and Pressure) (window
"VOLUME CORRECTION (2004 EDITION)")</p>
<p>Corrects for temperature and pressure with the 2004 edition of the petroleum
measurement tables, which most contracts written since 2004 name. The 1980 table screens
above stay as they were. Choose with the option buttons (arrow keys move within a group),
type the numbers, and press <b>Enter</b> in any entry.</p>
<ul>
<li>"Commodity group": crude oil, refined products (the screen picks gasolines, the
transition zone, jet fuels or fuel oils by the density at 60 &deg;F), lubricating oils, or
special applications, which need "Alpha60 per F", the expansion coefficient at 60 &deg;F
(0.00023 to 0.00093).</li>
<li>"Density", in API, relative density or kg/m&sup3;; "Density is" observed (at the
temperature and pressure below) or at the base temperature. A density at 15 &deg;C or
20 &deg;C is given in kg/m&sup3;.</li>
<li>"Base": 60 &deg;F, 15 &deg;C or 20 &deg;C, the temperature the net volume is
corrected to.</li>
<li>"Temperature" in &deg;F or &deg;C (&minus;58 to 302 &deg;F); "Pressure" in psig, kPa or
bar (up to 1,500 psig; empty means 0, a vacuum counts as 0).</li>
<li>"Gross volume" (optional), in any unit, at the temperature and pressure.</li>
</ul>
<p><b>Results</b> (for reading and copying): "Density at base, kg/m3" and "Density at
60 F, kg/m3" to 0.1, "API at 60 F" to 0.1, "Relative density at 60 F" to 0.0001, "CTL", "CPL" and "CTPL" to five
decimals, "Fp" per unit of the pressure entered (per psi to 0.001, per kPa to 0.0001, per
bar to 0.01), "Net volume at base" = gross volume &times; CTPL, in the unit of the gross,
and "Group used". CTPL is rounded from the unrounded CTL &times; CPL, so it can differ in
the last decimal from the product of the two rounded factors. "Working" lists each step:
the density at 60 &deg;F, each step of the search from an observed density, the
temperature and density on the 1968 scale the correlation uses, alpha60, CTL, Fp, CPL.</p>
<p><b>Worked example:</b> choose "Refined products", "kg/m3", "Observed", "60 F", "F" and
"psig"; type 803.141 in "Density", 25.3 in "Temperature", 267 in "Pressure" and 10000 in
"Gross volume", then press Enter. The screen shows 787.5, 48, 0.7883, CTL 1.01838, Fp
0.54, CPL 1.00144, CTPL 1.01985, net 10198.5 and the group "transition zone".</p>
<p><b>Out of limits:</b> a temperature, pressure, density or alpha60 beyond its limit
stops with a notice that names the entry, its value and the limit ("Temperature 302.8 F
is above the limit 302 F"); no result changes.</p>

<h2 id="temp">Temperature</h2>
<p class="menu">Menu: Conversion &gt; Temperature (window "Temperature Conversion")</p>
<p>Converts a temperature between degrees Celsius and degrees Fahrenheit, either way.
Each field is both input and result.</p>
<ul>
<li><b>Enter</b> in "Celsius" writes the temperature in &deg;F into "Fahrenheit".</li>
<li><b>Enter</b> in "Fahrenheit" writes the temperature in &deg;C into "Celsius".</li>
</ul>
<p>Results are not rounded: 100 &deg;F gives 37.7777777777778 &deg;C.</p>

<h2 id="grav">Gravity conversion</h2>
<p class="menu">Menu: Conversion &gt; Gravity (window "GRAVITY CONVERSION")</p>
<p>Converts between API gravity at 60 &deg;F, density at 15 &deg;C and specific gravity at
15 &deg;C. Each field is both input and result.</p>
<ul>
<li>"API at 60 Deg. F": degrees API.</li>
<li>"Density at 15 Deg. C": kg/m&sup3;.</li>
<li>"Specific at 15 Deg. C": specific gravity, no unit.</li>
</ul>
<p><b>Enter</b> in the field you typed in fills the other two; your field keeps what you
typed.</p>
<p><b>Results:</b> the API gravity and the density from an API gravity are rounded to one
decimal. The specific gravity (the density in kg/l less 0.0011) and the density from a
specific gravity are not rounded. Example: 30 degrees API gives 875.6 kg/m&sup3; and
0.8745.</p>
<p>This screen uses a short approximation of its own for the step between 60 &deg;F and
15 &deg;C, so converting back does not always return the number you started from. A
density above about 1076 kg/m&sup3; gives an API gravity below zero, shown with its minus
sign.</p>

<h2 id="wedge">Wedge</h2>
<p class="menu">Menu: Gauging &gt; Wedge (window "WEDGE CALCULATIONS")</p>
<p>The quantity left in a cargo tank of a ship trimmed by the stern, when the liquid no
longer covers the whole tank bottom but lies as a wedge against the aft bulkhead.</p>
<p>First choose the units: "English, ft. and in." or "Metric, meters". Type lengths as
decimal numbers (feet and tenths, or metres), not feet and inches.</p>
<ul>
<li>"Vsl Length": length of the vessel, ft or m.</li>
<li>"Tank Length" and "Tank Width": ft or m.</li>
<li>"Distance from Ullage Hatch to Bulkhead": from the ullage hatch to the aft bulkhead,
ft or m.</li>
<li>"Forward Draft" and "Aft Draft": ft or m.</li>
<li>"Tank Depth": from the hatch to the tank bottom, ft or m.</li>
<li>"Innage": depth of liquid at the hatch, in inches (English) or millimetres
(Metric).</li>
</ul>
<p><b>Enter</b> in "Innage" computes. Enter in the other fields does nothing. The fields
stand in the order Tab visits them: the lengths above the plan, the forward draft at the
bow, the aft draft at the stern, depth and innage below it, then the result with the unit
choice beside it.</p>
<p><b>Result:</b> "Quantity Remaining in Tank:" in barrels, two decimals, marked "BBLS.",
or in cubic metres, three decimals, marked "Cub. Mtrs.". The English result is first
rounded to 0.001 m&sup3;, then turned into barrels.</p>
<p>With no units chosen, a notice asks you to choose English or Metric units.</p>
<p><b>Out of range:</b> when the innage reaches beyond the wedge (the liquid touches the
forward end of the tank, or the ship trims by the head), the "ERROR" window opens. The
screen still writes a quantity, but it is not a wedge: gauge the tank with its tables.
An even keel (equal drafts) cannot form a wedge and stops with a division by zero.</p>

<h2 id="stop">Stop gauge</h2>
<p class="menu">Menu: Gauging &gt; Stop Gauges (window "STOP GAUGE")</p>
<p>Tells at which tank quantity to stop a transfer, so that a given net quantity at
60 &deg;F goes out of the tank. The net quantity is turned into a gross quantity with the
factor of Table 6A or 6B and taken from the opening quantity.</p>
<ul>
<li>"Net Quantity to be Moved": net quantity at 60 &deg;F, in barrels or gallons.</li>
<li>"Opening gauge quantity": the gross quantity in the tank at the opening gauge, in the
same unit.</li>
<li>"Temp.": observed temperature, in &deg;F.</li>
<li>"API": API gravity at 60 &deg;F.</li>
</ul>
<p>The screen reads from the top down in Tab order: the table choice, the two quantities,
gravity and temperature, and the result at the foot.</p>
<p><b>Enter:</b> this screen starts from the table choice. Fill in the four fields, click
"Table 6 A" (crude oils) or "Table 6 B" (generalized products), then press Enter (any
typing key will do) while the selected option has the cursor. Clicking an option alone
computes nothing, and neither does Enter in a field.</p>
<p><b>Result:</b> the field beside "This is the stop gauge quantity.", two decimals, in
the unit of the opening quantity. Find it in the tank's strapping tables: that gauge is
your stop gauge. If the net quantity needs more than the opening quantity, the result is
shown with a minus sign: the tank cannot deliver it.</p>
<p><b>Out of range:</b> with "Table 6 B", a gravity below about 0.12 degrees API opens the
"ERROR" window and nothing is written, as on Table 6B.</p>

<h2 id="avg">Average gravity</h2>
<p class="menu">Menu: Gauging &gt; Average Gravity (window "AVERAGE GRAVITY")</p>
<p>The gravity of the blend in a receiving tank (tank 5) filled from up to four issuing
tanks (1 to 4): the average of their gravities, weighted by volume.</p>
<ul>
<li>"Gravity" of tanks "1" to "4": one gravity scale for all four.</li>
<li>"Volume" of tanks "1" to "4": one volume unit for all four.</li>
</ul>
<p>Every field needs a number: for an unused tank enter gravity 0 and volume 0.
<b>Enter</b> in the volume of tank 4 computes.</p>
<p><b>Result:</b> the "Gravity" of tank "5", on the same scale, two decimals. The numbers
are averaged as typed; nothing is converted. Example: gravities 30 and 40 with volumes
1000 and 3000 give 37.5.</p>

<h2 id="theo">Theoretical density</h2>
<p class="menu">Menu: Gauging &gt; Theoretical (window "THEORETICAL DENSITY")</p>
<p>The density of a shore tank's contents after a vessel's cargo has been received into
it.</p>
<ul>
<li>"Density xxx.x": density of the product in the tank at the open gauge, one decimal,
for example 820.5.</li>
<li>"Open Volume": the tank's volume at the open gauge.</li>
<li>"Vessel Composit Density": the composite density of the vessel's cargo, in the same
unit as the first density.</li>
<li>"Closing Volume": the tank's volume at the closing gauge, in the same unit as the open
volume.</li>
</ul>
<p><b>Enter</b> in "Closing Volume" computes. The cursor starts in "Open Volume".</p>
<p><b>Result:</b> "Theoretical Density =", one decimal. Example: 820.0 and 1000 in the
tank, 840.0 from the vessel and a closing volume of 5000 give 836.</p>

<h2 id="fsiib">FSII, barrels</h2>
<p class="menu">Menu: Additives &gt; FSII &gt; Barrels (window "FSII INJECTION
CALCULATIONS", heading "BARRELS")</p>
<p>How much fuel system icing inhibitor to inject to raise the FSII content of a quantity
of fuel from the laboratory result to the result you want.</p>
<ul>
<li>"End results desired": FSII content wanted after injection, in percent (for example
.12).</li>
<li>"Quantity of fuel to be injected :": in barrels.</li>
<li>"Pre Injection Lab Results": FSII content measured before injection, in percent (for
example .09).</li>
</ul>
<p><b>Enter</b> in "Pre Injection Lab Results" (marked "Press Enter") computes.</p>
<p><b>Results:</b> "Inject ... Gals. of FSII.", in US gallons, not rounded, and the gallons
per 1000 barrels of fuel, beside "Gals Per 1000 BBLS.". Example: .12, 1234.56 and .09 give
15.555456 gallons, 12.6 per 1000 barrels. A lab result above the desired result gives a
negative figure: no FSII is needed.</p>
<p>The "HELP" button opens the "FSII HELP" window with these steps.</p>

<h2 id="fsiig">FSII, gallons</h2>
<p class="menu">Menu: Additives &gt; FSII &gt; Gallons (window "FSII INJECTION
CALCULATIONS", heading "GALLONS")</p>
<p>As FSII, barrels, for a quantity of fuel in gallons.</p>
<ul>
<li>"End results desired": in percent.</li>
<li>"Quantity of fuel to be injected:": in gallons.</li>
<li>"Pre Injection Lab Results": in percent.</li>
</ul>
<p><b>Enter</b> in "Pre Injection Lab Results" computes. The cursor starts in "End results
desired".</p>
<p><b>Result:</b> "Inject ... Gals. of FSII.", in gallons, not rounded. Example: .12,
1234.56 and .09 give 0.370368. The "HELP" button opens the same "FSII HELP" window.</p>

<h2 id="sdab">SDA, barrels</h2>
<p class="menu">Menu: Additives &gt; SDA &gt; Barrels (window "STATIC DISSIPATOR ADDITIVE
(SDA)", heading "Barrels")</p>
<p>How much static dissipator additive to pre-mix with fuel and inject, to raise the
laboratory result of a quantity of fuel to the result you want.</p>
<ul>
<li>"Quantity to be Injected:": in barrels.</li>
<li>"Pre Injection Lab Results": the laboratory result before injection.</li>
<li>"End Result Desired": the result wanted, in the same unit as the lab result.</li>
</ul>
<p><b>Enter</b> in "End Result Desired" (marked "Press Enter") computes.</p>
<p><b>Results:</b> "Mix ... Gals of SDA with ... Gallons of fuel and inject this mix into
your fuel.": the SDA in US gallons, two decimals, and the fuel for the pre-mix, nine times
the SDA, two decimals. Example: 1000 barrels, 50 and 250 give 1.82 gallons of SDA with
16.38 gallons of fuel. A desired result below the lab result needs no additive: both
figures show 0.</p>

<h2 id="sdag">SDA, gallons</h2>
<p class="menu">Menu: Additives &gt; SDA &gt; Gallons (window "STATIC DISSAPATOR
ADDITIVE (SDA)", heading "Gallons")</p>
<p>As SDA, barrels, for a quantity of fuel in gallons, with the additive in
millilitres.</p>
<ul>
<li>"Quantity to be Injected:": in gallons.</li>
<li>"Pre Injection Lab Results" and "End Result Desired": as on SDA, barrels.</li>
</ul>
<p><b>Enter</b> in "End Result Desired" computes.</p>
<p><b>Results:</b> "Mix ... mls of SDA with ... Gallons of fuel and inject this mix into
your fuel.": the SDA in millilitres, one decimal, cut; the fuel for the pre-mix in
gallons, one decimal, never less than 1. Example: 10000 gallons, 50 and 250 give 163.9 ml
with 4.3 gallons. A desired result below the lab result needs no additive: the SDA shows
0.</p>

<h2 id="ci">Corrosion inhibitor</h2>
<p class="menu">Menu: Additives &gt; CI (window "CORROSION INHIBITOR (CI)")</p>
<p>How much corrosion inhibitor to inject into a quantity of fuel. Each of the thirteen
products in the list has its own dose.</p>
<ul>
<li>"Select your CI Type": click the product in the list.</li>
<li>"Quantity of product to be injected": the quantity of fuel, in the unit you choose
with "Barrels", "Gallons" or "Liters".</li>
<li>"Specific Gravity of CI being injected": of the inhibitor; if unknown, enter .95.</li>
</ul>
<p><b>Enter</b> in "Specific Gravity of CI being injected" computes. A product and a unit
must be chosen first: with no product, a notice asks you to select the CI type; with no
unit, a notice asks you to choose one, and nothing is written.</p>
<p><b>Result:</b> "Mix ... CI into your fuel.": the amount, one decimal, in gallons
("GALs") for barrels or gallons of fuel, in litres ("LTRs") for litres of fuel. Example:
DUPONT DCI-4A, specific gravity .95, 10000 barrels give 4 GALs.</p>

<h2 id="dmd">DMD-2</h2>
<p class="menu">Menu: Additives &gt; DMD-2 (window "METAL DEACTIVATOR (DMD-2)")</p>
<p>How much DMD-2 metal deactivator to inject: 0.4 gallons of the blend of 50% active
ingredient and 50% solvent per 1000 barrels of fuel.</p>
<ul>
<li>"Barrels of product to be injected:": in barrels.</li>
</ul>
<p><b>Enter</b> in that field computes.</p>
<p><b>Result:</b> "Inject ... gallons of DMD-2", two decimals, cut (not rounded). Example:
12345 barrels give 4.93 gallons.</p>

<h2 id="calc">Calculator (F2)</h2>
<p class="menu">Menu: Calculator &gt; Calc, or F2 in the main window (window
"CALCULATOR")</p>
<p>A four-function desk calculator with a percent key. Click its keys, or type them: the
digits, "." (the "," key and the keypad's decimal key type the point too), "+", "-", "*" or
"x", "/", "%", Enter or "=" for "=", Esc for "C" and Del for "CE". Ctrl+C copies the number
shown; Ctrl+V types a number from the clipboard as if you had typed its keys (anything
else is refused with a notice). A number holds at most 15 digits; further digit keys are
ignored.</p>
<ul>
<li>"+", "-", "X", "/" and "=" work as on a pocket calculator: 12.5 X 2 = shows 25.</li>
<li>"%" divides the number shown by 100 and multiplies: 200 X 10 % = shows 20.</li>
<li>A "-" at the start, or right after an operator, starts a negative number.</li>
<li>"CE" clears the number being typed and keeps the pending operation: 9 - 5 CE 3 =
shows 6. "C" clears everything.</li>
</ul>
<p>While you type a whole number the display ends with its point ("53."). Dividing by zero
shows the message "Can't divide by zero" and keeps the first number. Results show up to
15 significant digits: 1 / 3 = shows 0.333333333333333.</p>

)html";

// Each window and the section of the guide that describes it.
const struct
{
    const char *window;
    const char *anchor;
} kSections[] = {
    {"Form23", "t5a"},
    {"Form24", "t5b"},
    {"Form25", "t53a"},
    {"Form26", "t53b"},
    {"Form5", "t6a"},
    {"Form21", "t6b"},
    {"Form22", "t54a"},
    {"Form6", "t54b"},
    {"Form3", "temp"},
    {"Form4", "grav"},
    {"Form7", "wedge"},
    {"Form9", "stop"},
    {"Form8", "avg"},
    {"Form20", "theo"},
    {"Form10", "fsiib"},
    {"Form16", "fsiig"},
    {"Form11", "sdab"},
    {"Form18", "sdag"},
    {"Form12", "ci"},
    {"Form19", "dmd"},
    {"Form14", "calc"},
    {"Form15", "notices"},
    {"Vcf2004", "t2004"},
    {"LogWindow", "log"},
    {"CargoReport", "report"},
    {"TankTables", "tanktables"},
    {"TankTableImport", "tanktables"},
    {"JobDialog", "job"},
    {"StoreConnection", "store"},
    {"StoreBrowser", "storebrowser"},
    {"VefLog", "vef"},
};

} // namespace

QString helpSectionFor(const QString &windowName)
{
    for (const auto &s : kSections)
        if (windowName == QLatin1String(s.window))
            return QString::fromLatin1(s.anchor);
    return {};
}

QString helpGuideHtml()
{
    return QString::fromUtf8(kGuide) + QString::fromUtf8(kGuideRecordsAndAfter);
}

} // namespace dravex
