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
<a href="#job">Job</a>, <a href="#vef">Vessel experience factor</a><br>
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

<h2 id="log">Calculation log (Ctrl+L)</h2>
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
stern"). A file that cannot be read (damaged, or written by a newer Dravex) is listed with
the reason and never written over.</p>
<ul>
<li>Import (window "Import Tank Table"): open a CSV or tab-separated file, paste a block
copied from a spreadsheet, or type the table. Give the vessel or terminal, the tank's name,
kind, level kind, reference height, units and layout; then the columns: the level column,
the volume column, and for a table by trim its trim columns (3-8), the trims as printed
(-1 0 1 2 3 4) and whether the table prints a trim by the stern or by the head as positive.
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
    return QString::fromUtf8(kGuide);
}

} // namespace dravex
