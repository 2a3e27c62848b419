<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <location filename="../records/paper/print_prompts.cpp" line="36"/>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportFile</name>
    <message>
        <location filename="../records/report/report_file.cpp" line="27"/>
        <location filename="../records/report/report_file.cpp" line="46"/>
        <source>Cannot open %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/report_file.cpp" line="34"/>
        <source>Cannot read %1: larger than %2 MiB, the largest report file read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/report_file.cpp" line="40"/>
        <source>Cannot read %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/report_file.cpp" line="60"/>
        <source>Cannot save %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/report_file.cpp" line="76"/>
        <source>Untitled</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportPrint</name>
    <message>
        <location filename="../records/report/report_print.cpp" line="36"/>
        <source>Loading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/report_print.cpp" line="38"/>
        <source>Discharge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/report_print.cpp" line="40"/>
        <source>On arrival</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/report_print.cpp" line="42"/>
        <source>On sailing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/report_print.cpp" line="44"/>
        <source>Other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/report_print.cpp" line="55"/>
        <source>left out, stopped: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/report_print.cpp" line="61"/>
        <source>counted with a notice: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/report_print.cpp" line="297"/>
        <source>Notice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/report_print.cpp" line="317"/>
        <source>Grade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/report_print.cpp" line="318"/>
        <source>Tanks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/report_print.cpp" line="319"/>
        <source>Average temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/report_print.cpp" line="324"/>
        <source>Not counted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/report_print.cpp" line="330"/>
        <source>(no grade)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/report_print.cpp" line="331"/>
        <source>All grades</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/report_print.cpp" line="361"/>
        <location filename="../records/report/report_print.cpp" line="411"/>
        <source>Cargo Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/report_print.cpp" line="363"/>
        <source>Vessel / terminal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/report_print.cpp" line="364"/>
        <source>Voyage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/report_print.cpp" line="365"/>
        <source>Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/report_print.cpp" line="366"/>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/report_print.cpp" line="367"/>
        <source>Operation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/report_print.cpp" line="368"/>
        <source>Surveyor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/report_print.cpp" line="369"/>
        <source>Units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/report_print.cpp" line="369"/>
        <source>US (bbl, F, API)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/report_print.cpp" line="370"/>
        <source>Metric (m3, C, kg/m3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/report_print.cpp" line="371"/>
        <source>Edition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/report_print.cpp" line="372"/>
        <source>1980 tables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/report_print.cpp" line="373"/>
        <source>2004 edition (API MPMS 11.1-2004)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/report_print.cpp" line="374"/>
        <source>VCF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/report_print.cpp" line="375"/>
        <source>tank by tank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/report_print.cpp" line="376"/>
        <source>per grade at the volume-weighted average temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/report_print.cpp" line="378"/>
        <source>Remarks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/report_print.cpp" line="382"/>
        <source>Totals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/report_print.cpp" line="386"/>
        <source>Ship and shore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/report_print.cpp" line="394"/>
        <source>Surveyor: ______________________________</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/report_print.cpp" line="395"/>
        <source>For the vessel / terminal: ______________________________</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dravex::Application</name>
    <message>
        <location filename="../shell/application.cpp" line="30"/>
        <source>Records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/application.cpp" line="31"/>
        <source>The records cannot be opened: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dravex::AtomicFile</name>
    <message>
        <location filename="../records/paper/atomic_file.cpp" line="49"/>
        <source>The file %1 could not be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/paper/atomic_file.cpp" line="56"/>
        <source>unknown error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dravex::CalcRecord</name>
    <message>
        <location filename="../records/log/calc_record.cpp" line="177"/>
        <location filename="../records/log/calc_record.cpp" line="212"/>
        <source>Job</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/calc_record.cpp" line="187"/>
        <source>Stopped: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/calc_record.cpp" line="189"/>
        <source>Outside the range of the tables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/calc_record.cpp" line="191"/>
        <location filename="../records/log/calc_record.cpp" line="214"/>
        <source>Working</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/calc_record.cpp" line="209"/>
        <source>Date and time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/calc_record.cpp" line="209"/>
        <source>Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/calc_record.cpp" line="209"/>
        <source>Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/calc_record.cpp" line="213"/>
        <source>Stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/calc_record.cpp" line="213"/>
        <source>Notice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/calc_record.cpp" line="213"/>
        <source>Out of range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/calc_record.cpp" line="227"/>
        <location filename="../records/log/calc_record.cpp" line="229"/>
        <source>yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/calc_record.cpp" line="227"/>
        <location filename="../records/log/calc_record.cpp" line="229"/>
        <source>no</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dravex::CalculationLog</name>
    <message>
        <location filename="../records/log/calculation_log.cpp" line="213"/>
        <location filename="../records/log/calculation_log.cpp" line="220"/>
        <source>Calculation log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/calculation_log.cpp" line="236"/>
        <location filename="../records/log/calculation_log.cpp" line="250"/>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location filename="../records/log/calculation_log.cpp" line="246"/>
        <source>Printing %n calculation(s)...</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <location filename="../records/log/calculation_log.cpp" line="251"/>
        <source>The calculations could not be printed on %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/calculation_log.cpp" line="260"/>
        <location filename="../records/log/calculation_log.cpp" line="262"/>
        <location filename="../records/log/calculation_log.cpp" line="267"/>
        <source>Export PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/calculation_log.cpp" line="262"/>
        <source>PDF files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location filename="../records/log/calculation_log.cpp" line="277"/>
        <source>Exporting %n calculation(s)...</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <location filename="../records/log/calculation_log.cpp" line="292"/>
        <source>The file %1 could not be written: the calculations could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dravex::CalculationPrint</name>
    <message>
        <location filename="../records/calculation_print.cpp" line="58"/>
        <source>Job: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/calculation_print.cpp" line="63"/>
        <source>Inputs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/calculation_print.cpp" line="64"/>
        <source>Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/calculation_print.cpp" line="66"/>
        <source>Stopped: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/calculation_print.cpp" line="68"/>
        <source>Outside the range of the tables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/calculation_print.cpp" line="71"/>
        <source>Working</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/calculation_print.cpp" line="157"/>
        <source>Calculation log</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dravex::CargoReportDocument</name>
    <message>
        <location filename="../records/report/cargo_report_document.cpp" line="51"/>
        <source>The tank tables %1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_document.cpp" line="53"/>
        <source>The tank tables %1 are larger than any tank table document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_document.cpp" line="61"/>
        <source>The tank tables %1 cannot be used: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_document.cpp" line="123"/>
        <source>The report could not be printed on %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dravex::CargoReportModel</name>
    <message>
        <location filename="../records/report/cargo_report_model.cpp" line="94"/>
        <source>Notice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_model.cpp" line="117"/>
        <source>%1 was read as %2 (the decimal separator is a point)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_model.cpp" line="118"/>
        <source>%1 was read as %2 (a comma separates thousands; the decimal separator is a point)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_model.cpp" line="161"/>
        <source>Record table versions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_model.cpp" line="203"/>
        <source>Edit cell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_model.cpp" line="203"/>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_model.cpp" line="216"/>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_model.cpp" line="228"/>
        <source>Insert tank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_model.cpp" line="233"/>
        <source>Delete tanks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_model.cpp" line="281"/>
        <source>Gauged: from the table %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_model.cpp" line="284"/>
        <source>manual</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dravex::CargoReportWindow</name>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="105"/>
        <location filename="../records/report/cargo_report_window.cpp" line="414"/>
        <source>Tanks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="110"/>
        <source>Totals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="117"/>
        <source>Working of this tank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="187"/>
        <source>Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="200"/>
        <source>&amp;Vessel / terminal:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="201"/>
        <source>Vo&amp;yage:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="202"/>
        <source>&amp;Port:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="203"/>
        <source>&amp;Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="204"/>
        <source>&amp;Surveyor:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="205"/>
        <source>&amp;Operation:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="206"/>
        <source>Loading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="206"/>
        <source>Discharge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="206"/>
        <source>On arrival</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="206"/>
        <source>On sailing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="206"/>
        <source>Other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="207"/>
        <source>Survey &amp;kind:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="208"/>
        <source>Cargo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="208"/>
        <source>OBQ before loading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="208"/>
        <source>ROB after discharge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="210"/>
        <source>Survey kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="212"/>
        <source>&amp;Units:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="213"/>
        <source>US: barrels, F, API (long tons by Table 11)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="214"/>
        <source>Metric: m3, C, kg/m3 at 15 C (long tons by Table 57)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="217"/>
        <source>&amp;Edition:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="218"/>
        <source>1980 tables (6A/6B, 54A/54B)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="218"/>
        <source>2004 edition (API MPMS 11.1-2004)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="219"/>
        <source>V&amp;CF:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="220"/>
        <source>Tank by tank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="220"/>
        <source>Per grade at the volume-weighted average temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="222"/>
        <source>Operation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="225"/>
        <source>Units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="228"/>
        <source>Edition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="231"/>
        <source>VCF method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="240"/>
        <source>&amp;Remarks:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="278"/>
        <source>Edit header</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="283"/>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="285"/>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="287"/>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="304"/>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="306"/>
        <source>&amp;Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="308"/>
        <source>Open &amp;Recent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="312"/>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="314"/>
        <source>Save &amp;As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="317"/>
        <source>Export &amp;CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="319"/>
        <source>Export P&amp;DF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="321"/>
        <source>&amp;Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="324"/>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="327"/>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="330"/>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="338"/>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="340"/>
        <source>&amp;Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="342"/>
        <source>C&amp;lear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="345"/>
        <source>&amp;Insert Tank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="347"/>
        <source>&amp;Delete Tanks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="350"/>
        <source>&amp;Working of This Tank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="378"/>
        <source>%1[*] - Cargo Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="414"/>
        <source>Grade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="414"/>
        <source>Average temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="418"/>
        <source>Not counted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="424"/>
        <source>stopped: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="430"/>
        <source>counted with a notice: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="451"/>
        <source>(no grade)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="452"/>
        <source>All grades</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="483"/>
        <source>No tank on this row.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="487"/>
        <source>Working of %1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="502"/>
        <source>Open Cargo Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="502"/>
        <source>Cargo reports (*.json);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="521"/>
        <location filename="../records/report/cargo_report_window.cpp" line="536"/>
        <location filename="../records/report/cargo_report_window.cpp" line="550"/>
        <location filename="../records/report/cargo_report_window.cpp" line="586"/>
        <location filename="../records/report/cargo_report_window.cpp" line="600"/>
        <location filename="../records/report/cargo_report_window.cpp" line="620"/>
        <location filename="../records/report/cargo_report_window.cpp" line="682"/>
        <location filename="../records/report/report_restore.cpp" line="19"/>
        <location filename="../records/report/report_restore.cpp" line="27"/>
        <source>Cargo Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="566"/>
        <source>cargo-report.json</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="567"/>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="567"/>
        <source>Cargo reports (*.json)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="577"/>
        <location filename="../records/report/cargo_report_window.cpp" line="591"/>
        <source>cargo-report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="578"/>
        <source>Export CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="581"/>
        <source>CSV (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="592"/>
        <source>Export PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="595"/>
        <source>PDF (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dravex::ComparisonPanel</name>
    <message>
        <location filename="../records/report/comparison_panel.cpp" line="122"/>
        <source>Ship and shore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/comparison_panel.cpp" line="134"/>
        <source>VEF (&amp;x):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/comparison_panel.cpp" line="135"/>
        <source>Tolera&amp;nce (%):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/comparison_panel.cpp" line="146"/>
        <source>Vessel experience factor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/comparison_panel.cpp" line="147"/>
        <source>Tolerance in percent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/comparison_panel.cpp" line="148"/>
        <source>Empty: the measured comparison only. The VEF divides the vessel&apos;s figure here and nowhere else.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/comparison_panel.cpp" line="150"/>
        <source>The company&apos;s tolerance in percent; empty: none. The one typed last is offered for the next report.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/comparison_panel.cpp" line="153"/>
        <source>&amp;Take off a saved survey...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/comparison_panel.cpp" line="160"/>
        <source>Ship and shore figures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/comparison_panel.cpp" line="204"/>
        <source>Edit comparison</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/comparison_panel.cpp" line="222"/>
        <source>Take off the %1 of a saved survey</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/comparison_panel.cpp" line="223"/>
        <source>Cargo reports (*.json);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/comparison_panel.cpp" line="228"/>
        <location filename="../records/report/comparison_panel.cpp" line="233"/>
        <source>Take off a saved survey</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/comparison_panel.cpp" line="234"/>
        <source>%1: %2. Nothing was taken off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/comparison_panel.cpp" line="240"/>
        <source>Take off %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/comparison_panel.cpp" line="252"/>
        <source>O&amp;BQ taken off:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/comparison_panel.cpp" line="252"/>
        <source>RO&amp;B taken off:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/comparison_panel.cpp" line="253"/>
        <source>OBQ free water (&amp;q):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/comparison_panel.cpp" line="254"/>
        <source>ROB free water (&amp;q):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/comparison_panel.cpp" line="255"/>
        <source>OBQ free water taken off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/comparison_panel.cpp" line="256"/>
        <source>ROB free water taken off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/comparison_panel.cpp" line="257"/>
        <source>S&amp;hore TCV, bill of lading:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/comparison_panel.cpp" line="258"/>
        <source>S&amp;hore TCV, outturn:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/comparison_panel.cpp" line="259"/>
        <source>OBQ taken off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/comparison_panel.cpp" line="259"/>
        <source>ROB taken off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/comparison_panel.cpp" line="260"/>
        <source>Shore TCV, bill of lading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/comparison_panel.cpp" line="261"/>
        <source>Shore TCV, outturn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/comparison_panel.cpp" line="275"/>
        <location filename="../records/report/comparison_panel.cpp" line="279"/>
        <source>From the survey %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/comparison_panel.cpp" line="277"/>
        <source>Part of the figure taken off; empty: no free-water line. The comparison stays on the TCV.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dravex::ComparisonTexts</name>
    <message>
        <location filename="../records/report/comparison_panel.cpp" line="34"/>
        <source>OBQ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/comparison_panel.cpp" line="34"/>
        <source>ROB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/comparison_panel.cpp" line="39"/>
        <source>bill of lading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/comparison_panel.cpp" line="39"/>
        <source>outturn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/comparison_panel.cpp" line="51"/>
        <source>Vessel TCV (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/comparison_panel.cpp" line="52"/>
        <source>Less %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/comparison_panel.cpp" line="53"/>
        <source>Vessel figure (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/comparison_panel.cpp" line="54"/>
        <source>Shore TCV, %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/comparison_panel.cpp" line="55"/>
        <source>Difference (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/comparison_panel.cpp" line="56"/>
        <source>% of the bill of lading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/comparison_panel.cpp" line="57"/>
        <source>% of the vessel&apos;s figure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/comparison_panel.cpp" line="58"/>
        <source>Tolerance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/comparison_panel.cpp" line="62"/>
        <source>An OBQ survey before loading: its TCV and free water, once every tank is computed, are what the loading report takes off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/comparison_panel.cpp" line="64"/>
        <source>A ROB survey after discharge: its TCV and free water, once every tank is computed, are what the discharge report takes off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/comparison_panel.cpp" line="70"/>
        <source>An OBQ survey before loading: its TCV, %1 %2, and its free water, %3 %2, are what the loading report takes off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/comparison_panel.cpp" line="73"/>
        <source>A ROB survey after discharge: its TCV, %1 %2, and its free water, %3 %2, are what the discharge report takes off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/comparison_panel.cpp" line="95"/>
        <source>none set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/comparison_panel.cpp" line="96"/>
        <source>beyond</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/comparison_panel.cpp" line="97"/>
        <source>within</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/comparison_panel.cpp" line="99"/>
        <source>Measured</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/comparison_panel.cpp" line="102"/>
        <source>With VEF %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/comparison_panel.cpp" line="106"/>
        <source>Free water</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/comparison_panel.cpp" line="110"/>
        <source>Receiver less sender: the vessel&apos;s figure less the bill of lading.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/comparison_panel.cpp" line="111"/>
        <source>Receiver less sender: the outturn less the vessel&apos;s figure.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/comparison_panel.cpp" line="115"/>
        <source>%1 from the survey %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dravex::CurrentJob</name>
    <message>
        <location filename="../records/job/current_job.cpp" line="55"/>
        <source>Loading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/job/current_job.cpp" line="57"/>
        <source>Discharge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/job/current_job.cpp" line="59"/>
        <source>On arrival</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/job/current_job.cpp" line="61"/>
        <source>On sailing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/job/current_job.cpp" line="63"/>
        <source>Other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/job/current_job.cpp" line="71"/>
        <source>No job</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/job/current_job.cpp" line="75"/>
        <source>Vessel %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/job/current_job.cpp" line="75"/>
        <source>Terminal %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/job/current_job.cpp" line="77"/>
        <source>voyage %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/job/current_job.cpp" line="77"/>
        <source>reference %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dravex::Document</name>
    <message>
        <location filename="../records/document.cpp" line="36"/>
        <source>Untitled</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dravex::Form12</name>
    <message>
        <location filename="../screens/form12_corrosion_inhibitor.cpp" line="34"/>
        <source>Select your CI Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/form12_corrosion_inhibitor.cpp" line="46"/>
        <source>Frame1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/form12_corrosion_inhibitor.cpp" line="51"/>
        <source>Barrels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/form12_corrosion_inhibitor.cpp" line="51"/>
        <source>Gallons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/form12_corrosion_inhibitor.cpp" line="52"/>
        <source>Liters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/form12_corrosion_inhibitor.cpp" line="63"/>
        <source>If Unkown enter .95</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/form12_corrosion_inhibitor.cpp" line="71"/>
        <source>Mix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/form12_corrosion_inhibitor.cpp" line="74"/>
        <source>CI into your  fuel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/form12_corrosion_inhibitor.cpp" line="80"/>
        <source> Select the type of CI you are using.  Place the currser in the Quantity of    producted to be injected block and enter the quantity of product you         are injecting.  Select the volume in which you are working with (Barrels.    Gallons or Liters).  Enter the SG of the CI and press Enter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/form12_corrosion_inhibitor.cpp" line="109"/>
        <source>Product</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/form12_corrosion_inhibitor.cpp" line="112"/>
        <source>Unit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dravex::Form14</name>
    <message>
        <location filename="../screens/form14_calculator.cpp" line="74"/>
        <source>CALCULATOR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/form14_calculator.cpp" line="79"/>
        <source>Display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/form14_calculator.cpp" line="101"/>
        <source>CE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/form14_calculator.cpp" line="102"/>
        <source>C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/form14_calculator.cpp" line="176"/>
        <source>Paste: &apos;%1&apos; is not a number; nothing was typed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/form14_calculator.cpp" line="181"/>
        <source>Paste: &apos;%1&apos; has more digits than the display holds; nothing was typed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/form14_calculator.cpp" line="215"/>
        <source>Key: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/form14_calculator.cpp" line="215"/>
        <source> or </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/form14_calculator.cpp" line="255"/>
        <source>Calculator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/form14_calculator.cpp" line="255"/>
        <source>Can&apos;t divide by zero</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dravex::Form17</name>
    <message>
        <location filename="../screens/form17_fsii_help.cpp" line="21"/>
        <source>FSII HELP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/form17_fsii_help.cpp" line="23"/>
        <source> &gt; Place currser in the End results desired box     and enter the results you desire ( .12)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/form17_fsii_help.cpp" line="24"/>
        <source> &gt; Place the curser in the Quantity to be               Injected box and enter the quantity of fuel        you are going to additize ( 1234.56 )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/form17_fsii_help.cpp" line="26"/>
        <source> &gt; Place the currser in the Pre Injection Lab         Results box and enter the FSII results of          the product you are additizing ( .09 ) then         Press Enter</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dravex::Form19</name>
    <message>
        <location filename="../screens/form19_dmd2.cpp" line="22"/>
        <source>Inject</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/form19_dmd2.cpp" line="24"/>
        <source>gallons of DMD-2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/form19_dmd2.cpp" line="27"/>
        <source> This DMD-2 injection is based on the liquid blend of 50% active ingredient and 50%solvent.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dravex::Form20</name>
    <message>
        <location filename="../screens/form20_theoretical_density.cpp" line="26"/>
        <source>Density     xxx.x</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/form20_theoretical_density.cpp" line="29"/>
        <source>xxx,x</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/form20_theoretical_density.cpp" line="50"/>
        <source>Theoretical Density =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/form20_theoretical_density.cpp" line="55"/>
        <source>Place curser in each block entering data.  Press Enter after entering closing volume.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dravex::Form3</name>
    <message>
        <location filename="../screens/form3_temperature.cpp" line="19"/>
        <source>Press Enter after you have entered a temperature.  Re-enter a temperature if you desire to continue.   Temperatures may be entered in either block.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dravex::Form4</name>
    <message>
        <location filename="../screens/form4_gravity_conversion.cpp" line="21"/>
        <source>Press Enter after you have entered a gravity.  Re-enter a temperature if you desire to continue.   Temperatures may be entered in either block.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dravex::Form7</name>
    <message>
        <location filename="../screens/form7_wedge.cpp" line="44"/>
        <source>Press Enter after the last input.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/form7_wedge.cpp" line="51"/>
        <source>English, ft. and in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/form7_wedge.cpp" line="53"/>
        <source>Metric, meters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/form7_wedge.cpp" line="60"/>
        <source>Quantity Remaining in Tank:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/form7_wedge.cpp" line="71"/>
        <source>Place currser in the corresponding block and enter each one of the measurements asked for.  Entries must be made in tenths ( .1 ).  For each additional tank re-enter the new measurements.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dravex::Form8</name>
    <message>
        <location filename="../screens/form8_average_gravity.cpp" line="35"/>
        <source>Gravity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/form8_average_gravity.cpp" line="36"/>
        <source>Volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/form8_average_gravity.cpp" line="52"/>
        <source>Enter a gravity and volume for each of the issuing tanks (1 - 4).  Press Enter after entering the volume for tank 4.  The average gravity will appear on tank 5.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dravex::Form9</name>
    <message>
        <location filename="../screens/form9_stop_gauge.cpp" line="27"/>
        <source>Sellect table to be used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/form9_stop_gauge.cpp" line="28"/>
        <source>Frame1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/form9_stop_gauge.cpp" line="30"/>
        <source>Table 6 A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/form9_stop_gauge.cpp" line="32"/>
        <source>Table 6 B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/form9_stop_gauge.cpp" line="38"/>
        <source>Press Enter</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dravex::FsiiScreen</name>
    <message>
        <location filename="../screens/form10_form16_fsii.cpp" line="45"/>
        <source>If you are blending by hand into a Rail Car or Tank Truck, it is recommended that you first mix the FSII with product in a 5 gal can then introduce this mix into your product.  If possible circulate the product for a while to get a homogeneous mixture.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/form10_form16_fsii.cpp" line="53"/>
        <source>BARRELS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/form10_form16_fsii.cpp" line="64"/>
        <source>GALLONS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/form10_form16_fsii.cpp" line="101"/>
        <source>Press Enter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/form10_form16_fsii.cpp" line="107"/>
        <source>HELP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/form10_form16_fsii.cpp" line="117"/>
        <source>Inject</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/form10_form16_fsii.cpp" line="119"/>
        <source>Gals. of FSII.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dravex::GaugedRowEditor</name>
    <message>
        <location filename="../records/report/gauged_row_editor.cpp" line="50"/>
        <location filename="../records/report/gauged_row_editor.cpp" line="80"/>
        <location filename="../records/report/gauged_row_editor.cpp" line="86"/>
        <source>Ship&apos;s condition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/gauged_row_editor.cpp" line="53"/>
        <source>Draft &amp;forward:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/gauged_row_editor.cpp" line="54"/>
        <source>Draft &amp;aft:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/gauged_row_editor.cpp" line="55"/>
        <source>Length between &amp;perpendiculars:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/gauged_row_editor.cpp" line="56"/>
        <source>&amp;List (degrees):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/gauged_row_editor.cpp" line="59"/>
        <source>(upright)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/gauged_row_editor.cpp" line="60"/>
        <source>to port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/gauged_row_editor.cpp" line="61"/>
        <source>to starboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/gauged_row_editor.cpp" line="62"/>
        <source>List &amp;side:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/gauged_row_editor.cpp" line="67"/>
        <source>Trim:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/gauged_row_editor.cpp" line="91"/>
        <source>Gauged tank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/gauged_row_editor.cpp" line="98"/>
        <source>Tank &amp;tables:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/gauged_row_editor.cpp" line="107"/>
        <source>Tank:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/gauged_row_editor.cpp" line="108"/>
        <source>&amp;Gauged from its table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/gauged_row_editor.cpp" line="113"/>
        <source>Ta&amp;ble:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/gauged_row_editor.cpp" line="116"/>
        <source>Reading %1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/gauged_row_editor.cpp" line="118"/>
        <source>Reference &amp;height:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/gauged_row_editor.cpp" line="119"/>
        <source>&amp;Water cut:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/gauged_row_editor.cpp" line="120"/>
        <source>S&amp;&amp;W (%):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/gauged_row_editor.cpp" line="121"/>
        <source>A&amp;mbient temperature:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/gauged_row_editor.cpp" line="122"/>
        <source>Roof: gravity at tank temperature:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/gauged_row_editor.cpp" line="123"/>
        <source>from the gravity at base</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/gauged_row_editor.cpp" line="124"/>
        <source>Roof: density in air at tank temperature:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/gauged_row_editor.cpp" line="155"/>
        <source>Edit gauge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/gauged_row_editor.cpp" line="160"/>
        <source>Edit reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/gauged_row_editor.cpp" line="224"/>
        <location filename="../records/report/gauged_row_editor.cpp" line="286"/>
        <source>(none)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/gauged_row_editor.cpp" line="242"/>
        <source>(the tank&apos;s name)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/gauged_row_editor.cpp" line="325"/>
        <source>Total observed volume typed: manual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/gauged_row_editor.cpp" line="327"/>
        <source>Table version recorded when the report is saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/gauged_row_editor.cpp" line="330"/>
        <source>Table version (SHA-256) %1...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/gauged_row_editor.cpp" line="356"/>
        <source>The roof floats: its correction applies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/gauged_row_editor.cpp" line="358"/>
        <source>The roof rests on its legs: no roof figure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/gauged_row_editor.cpp" line="360"/>
        <source>The roof is in its critical zone: the tank cannot be gauged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/gauged_row_editor.cpp" line="378"/>
        <source>Tank tables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/gauged_row_editor.cpp" line="386"/>
        <source>Gauge tank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/gauged_row_editor.cpp" line="386"/>
        <source>Type total observed volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/gauged_row_editor.cpp" line="397"/>
        <source>Tank table</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dravex::GravityScreen</name>
    <message>
        <location filename="../screens/form23_form24_table5.cpp" line="16"/>
        <source>Place curser in box to enter your data.  Press Enter after you have entered your data.  Enter Temp to 0.5 Deg. F</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/form23_form24_table5.cpp" line="19"/>
        <source>Place curser in box to enter your data.  Press Enter after you have entered your data.  Enter Temp. to 0.5 Deg. F</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/form25_form26_table53.cpp" line="11"/>
        <source>Place curser in box to enter your data.  Press Enter after you have entered your data.  Enter Temp. to 0.25 Deg. C</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dravex::HelpWindow</name>
    <message>
        <location filename="../shell/help_window.cpp" line="41"/>
        <source>HELP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/help_window.cpp" line="45"/>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/help_window.cpp" line="53"/>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/help_window.cpp" line="54"/>
        <source>Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/help_window.cpp" line="55"/>
        <source>Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/help_window.cpp" line="64"/>
        <source>Find in help (Ctrl+F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/help_window.cpp" line="65"/>
        <source>Find in help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/help_window.cpp" line="67"/>
        <source>&amp;Find:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/help_window.cpp" line="156"/>
        <source>Wrapped around</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/help_window.cpp" line="156"/>
        <source>Not found</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dravex::IntroWindow</name>
    <message>
        <location filename="../shell/notice_windows.cpp" line="17"/>
        <source>Introduction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/notice_windows.cpp" line="19"/>
        <source>DRAVEX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/notice_windows.cpp" line="28"/>
        <source>A calculations program for oil products: measurement tables, conversions, tank gauging and fuel additives.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/notice_windows.cpp" line="36"/>
        <source>Not responsible for errors due to the many methods of calculations and tables.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/notice_windows.cpp" line="40"/>
        <source>Dravex cargo calculations
Questions and reports: see README</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/notice_windows.cpp" line="44"/>
        <source>Continue</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dravex::JobDialog</name>
    <message>
        <location filename="../records/job/job_dialog.cpp" line="39"/>
        <source>Job</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/job/job_dialog.cpp" line="47"/>
        <source>Vessel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/job/job_dialog.cpp" line="47"/>
        <source>Shore terminal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/job/job_dialog.cpp" line="48"/>
        <source>&amp;Site:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/job/job_dialog.cpp" line="49"/>
        <source>&amp;Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/job/job_dialog.cpp" line="50"/>
        <source>&amp;Voyage or reference:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/job/job_dialog.cpp" line="51"/>
        <source>&amp;Port:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/job/job_dialog.cpp" line="56"/>
        <source>&amp;Operation:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/job/job_dialog.cpp" line="57"/>
        <source>&amp;Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/job/job_dialog.cpp" line="58"/>
        <source>YYYY-MM-DD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/job/job_dialog.cpp" line="61"/>
        <source>S&amp;et job</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/job/job_dialog.cpp" line="64"/>
        <source>No &amp;job</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/job/job_dialog.cpp" line="66"/>
        <source>Figures computed from now on belong to no job</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dravex::LogModel</name>
    <message>
        <location filename="../records/log/log_window.cpp" line="135"/>
        <source>stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_window.cpp" line="147"/>
        <source>Date and time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_window.cpp" line="149"/>
        <source>Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_window.cpp" line="151"/>
        <source>Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_window.cpp" line="153"/>
        <source>Vessel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_window.cpp" line="155"/>
        <source>Voyage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_window.cpp" line="157"/>
        <source>Inputs and results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_window.cpp" line="159"/>
        <source>Stopped</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dravex::LogStore</name>
    <message>
        <location filename="../records/log/log_schema.cpp" line="120"/>
        <location filename="../records/log/log_schema.cpp" line="171"/>
        <source>updating the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_schema.cpp" line="131"/>
        <source>making the tables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_schema.cpp" line="135"/>
        <location filename="../records/log/log_schema.cpp" line="161"/>
        <location filename="../records/log/log_schema.cpp" line="165"/>
        <location filename="../records/log/log_schema.cpp" line="169"/>
        <source>updating the tables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_schema.cpp" line="140"/>
        <location filename="../records/log/log_schema.cpp" line="152"/>
        <source>updating the entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_schema.cpp" line="156"/>
        <source>updating the windows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_store.cpp" line="98"/>
        <source>The log is in use by another Dravex (%1): %2; records wait until it is free.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_store.cpp" line="102"/>
        <source>The disk is full: %1; records wait until there is room.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_store.cpp" line="107"/>
        <source>The log file is damaged (%1): %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_store.cpp" line="112"/>
        <source>The log file cannot be written (%1): %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_store.cpp" line="116"/>
        <source>The log could not be written (%1): %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_store.cpp" line="139"/>
        <source>New records cannot be written: the folder %1 is read-only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_store.cpp" line="157"/>
        <source>The log file %1 is damaged and cannot be set aside.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_store.cpp" line="171"/>
        <source>The log file was damaged; it is kept as %1 and a new log was started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_store.cpp" line="173"/>
        <source>The log file was no calculation log of Dravex; it is kept as %1 and a new log was started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_store.cpp" line="188"/>
        <source>The folder %1 cannot be made or written; the log is not kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_store.cpp" line="205"/>
        <source>opening %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_store.cpp" line="227"/>
        <source>New records cannot be written: the folder %1 is read-only; they wait until it can be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_store.cpp" line="237"/>
        <location filename="../records/log/log_store.cpp" line="488"/>
        <source>reading %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_store.cpp" line="240"/>
        <source>reading the schema version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_store.cpp" line="244"/>
        <source>The log file is of version %1, written by a newer Dravex; this one writes version %2 and does not write into it: records wait.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_store.cpp" line="253"/>
        <source>The file %1 is no calculation log of Dravex.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_store.cpp" line="259"/>
        <source>checking %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_store.cpp" line="266"/>
        <source>The log file is damaged: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_store.cpp" line="273"/>
        <source>setting the journal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_store.cpp" line="379"/>
        <source>The log file is not open for writing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_store.cpp" line="385"/>
        <source>starting a record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_store.cpp" line="392"/>
        <source>writing a record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_store.cpp" line="396"/>
        <source>finishing a record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_store.cpp" line="567"/>
        <location filename="../records/log/log_store.cpp" line="578"/>
        <location filename="../records/log/log_store.cpp" line="589"/>
        <source>deleting entries</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dravex::LogWindow</name>
    <message>
        <location filename="../records/log/log_window.cpp" line="237"/>
        <source>Calculation Log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_window.cpp" line="241"/>
        <source>Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_window.cpp" line="242"/>
        <location filename="../records/log/log_window.cpp" line="459"/>
        <source>All windows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_window.cpp" line="245"/>
        <source>Vessel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_window.cpp" line="246"/>
        <location filename="../records/log/log_window.cpp" line="477"/>
        <source>All vessels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_window.cpp" line="249"/>
        <source>Voyage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_window.cpp" line="250"/>
        <location filename="../records/log/log_window.cpp" line="490"/>
        <source>All voyages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_window.cpp" line="252"/>
        <source>&amp;From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_window.cpp" line="256"/>
        <source>From date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_window.cpp" line="259"/>
        <source>&amp;To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_window.cpp" line="263"/>
        <source>To date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_window.cpp" line="268"/>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_window.cpp" line="269"/>
        <source>Search inputs and results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_window.cpp" line="271"/>
        <source>&amp;Window:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_window.cpp" line="273"/>
        <source>&amp;Search:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_window.cpp" line="275"/>
        <source>V&amp;essel:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_window.cpp" line="277"/>
        <source>Vo&amp;yage:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_window.cpp" line="309"/>
        <source>Calculations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_window.cpp" line="321"/>
        <source>Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_window.cpp" line="329"/>
        <source>Selected calculation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_window.cpp" line="341"/>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_window.cpp" line="342"/>
        <source>Export CS&amp;V...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_window.cpp" line="342"/>
        <source>Ctrl+E</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_window.cpp" line="343"/>
        <source>&amp;Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_window.cpp" line="344"/>
        <source>Export P&amp;DF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_window.cpp" line="344"/>
        <source>Ctrl+Shift+E</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_window.cpp" line="346"/>
        <source>De&amp;lete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_window.cpp" line="347"/>
        <source>&amp;Open in its window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_window.cpp" line="347"/>
        <source>Ctrl+O</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_window.cpp" line="576"/>
        <source>No calculation is selected: select the entries first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location filename="../records/log/log_window.cpp" line="618"/>
        <source>Copying %n calculation(s)...</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <location filename="../records/log/log_window.cpp" line="626"/>
        <location filename="../records/log/log_window.cpp" line="629"/>
        <location filename="../records/log/log_window.cpp" line="645"/>
        <source>Export CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_window.cpp" line="629"/>
        <source>CSV files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location filename="../records/log/log_window.cpp" line="635"/>
        <source>Exporting %n calculation(s)...</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <location filename="../records/log/log_window.cpp" line="651"/>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_window.cpp" line="652"/>
        <location filename="../records/log/log_window.cpp" line="659"/>
        <source>Calculation log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_window.cpp" line="658"/>
        <source>Export PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_window.cpp" line="669"/>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location filename="../records/log/log_window.cpp" line="670"/>
        <source>Delete %n selected calculation(s) from the log? This cannot be undone.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../records/log/log_window.cpp" line="674"/>
        <source>Deleting %n calculation(s)...</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dravex::LogWriter</name>
    <message numerus="yes">
        <location filename="../records/log/log_writer.cpp" line="175"/>
        <source>%n calculation(s) could not be kept: neither the log nor %1 can be written.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dravex::MainWindow</name>
    <message>
        <location filename="../shell/main_window.cpp" line="38"/>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="39"/>
        <source>&amp;Tables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="40"/>
        <source>G&amp;ravity Correction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="41"/>
        <location filename="../shell/main_window.cpp" line="52"/>
        <source>English</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="42"/>
        <source>Table 5a</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="44"/>
        <source>Table 5b</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="46"/>
        <location filename="../shell/main_window.cpp" line="57"/>
        <source>Metric</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="47"/>
        <source>Table 53a</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="49"/>
        <source>Table 53b</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="51"/>
        <source>V&amp;olume Correction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="53"/>
        <source>Table 6a</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="55"/>
        <source>Table 6b</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="58"/>
        <source>Table 54a</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="60"/>
        <source>Table 54b</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="61"/>
        <source>2004 &amp;Edition (Temperature and Pressure)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="63"/>
        <source>&amp;Conversion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="64"/>
        <source>T&amp;emperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="66"/>
        <source>G&amp;ravity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="67"/>
        <source>&amp;Gauging</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="68"/>
        <source>W&amp;edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="70"/>
        <source>S&amp;top Gauges</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="72"/>
        <source>A&amp;verage Gravity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="74"/>
        <source>T&amp;heoretical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="75"/>
        <source>&amp;Additives</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="76"/>
        <source>F&amp;SII</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="77"/>
        <location filename="../shell/main_window.cpp" line="82"/>
        <source>Barrels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="79"/>
        <location filename="../shell/main_window.cpp" line="84"/>
        <source>Gallons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="81"/>
        <source>S&amp;DA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="86"/>
        <source>C&amp;I</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="88"/>
        <source>DMD-2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="89"/>
        <source>&amp;Calculator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="90"/>
        <source>C&amp;alc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="91"/>
        <source>&amp;Records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="92"/>
        <source>Calculation &amp;log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="93"/>
        <source>&amp;Keep a log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="94"/>
        <source>Cargo &amp;report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="95"/>
        <source>Tank &amp;tables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="96"/>
        <source>&amp;Job…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="97"/>
        <source>Vessel &amp;experience factor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="98"/>
        <source>Company &amp;store…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="99"/>
        <source>Store &amp;browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="100"/>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="101"/>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="103"/>
        <source>Introduction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="112"/>
        <source>DRAVEX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="120"/>
        <source>Current job</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="133"/>
        <source>Company store</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dravex::OutOfRangeWindow</name>
    <message>
        <location filename="../shell/notice_windows.cpp" line="70"/>
        <source>ERROR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/notice_windows.cpp" line="73"/>
        <source> SORRY OUT OF RANGE FOR    THE PROGRAM.  PLEASE         REFER TO TABLES.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dravex::PageFrame</name>
    <message>
        <location filename="../records/paper/page_frame.cpp" line="48"/>
        <source>Reference: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/paper/page_frame.cpp" line="54"/>
        <source>page %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dravex::PrintPrompts</name>
    <message>
        <location filename="../records/paper/print_prompts.cpp" line="17"/>
        <source>Reference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/paper/print_prompts.cpp" line="21"/>
        <source>Vessel, tank, voyage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/paper/print_prompts.cpp" line="22"/>
        <source>&amp;Reference line:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dravex::Prompts</name>
    <message>
        <location filename="../screens/prompts.cpp" line="24"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/prompts.cpp" line="70"/>
        <source>The report %1 was restored from the copy kept when Dravex ended without saving it. Saving replaces the file %1 as it was last saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/prompts.cpp" line="73"/>
        <source>The report %1 has changes that are not saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/prompts.cpp" line="76"/>
        <source>Save the restored report over it before closing?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/prompts.cpp" line="77"/>
        <source>Save them before closing?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/prompts.cpp" line="113"/>
        <source>Reference line (vessel, tank), may be empty:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/prompts.cpp" line="124"/>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/prompts.cpp" line="124"/>
        <source>Printing is not available: the records module is not loaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/prompts.cpp" line="139"/>
        <source>Dravex ended without saving these cargo reports:
%1

Restore them?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dravex::RecordsModuleLoader</name>
    <message>
        <location filename="../shell/records_loader.cpp" line="80"/>
        <source>its module %1 could not be loaded (%2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dravex::ReportJob</name>
    <message>
        <location filename="../records/job/report_job.cpp" line="35"/>
        <source>Job</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/job/report_job.cpp" line="36"/>
        <source>Make the job of this report the current job?

This report: %1
Current job: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dravex::ReportStoreLink</name>
    <message>
        <location filename="../records/store/report_store_link.cpp" line="125"/>
        <location filename="../records/store/report_store_link.cpp" line="151"/>
        <source>Company Store</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/report_store_link.cpp" line="117"/>
        <source>Saved by Someone Else First</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/report_store_link.cpp" line="118"/>
        <source>The store did not take this save of %1: %2
Your version stays in its file. Saves from this window follow your version and would be refused too: to go on from the version saved first, open the report from Records, Store browser, and compare the two there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/report_store_link.cpp" line="126"/>
        <source>The store did not take this save of %1: %2
Your version stays in its file. The saves after it wait in the outbox until you set this one aside in Records, Company store.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/report_store_link.cpp" line="137"/>
        <source>What Does the Correction Change?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/report_store_link.cpp" line="138"/>
        <source>%1
Say what this save of %2 changes; the store keeps it with the revision and your name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/report_store_link.cpp" line="152"/>
        <source>This save of %1 was not sent to the store: a correction needs a note saying what it changes. Your version stays in its file; save it again to send it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dravex::Screen</name>
    <message>
        <location filename="../screens/screen.cpp" line="62"/>
        <source>Notice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/screen.cpp" line="147"/>
        <source>Choice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/screen.cpp" line="200"/>
        <source>This entry was kept without its choices: check them before you compute.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/screen.cpp" line="225"/>
        <source>%1 was read as %2 (the decimal separator is a point)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/screen.cpp" line="226"/>
        <source>%1 was read as %2 (a comma separates thousands; the decimal separator is a point)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/screen.cpp" line="246"/>
        <source>Results are from the previous entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/screen.cpp" line="383"/>
        <source>Your Data Entered on This Side</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/screen.cpp" line="384"/>
        <source>Results Displayed on This Side</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dravex::SdaScreen</name>
    <message>
        <location filename="../screens/form11_form18_sda.cpp" line="43"/>
        <source>If you are blending by hand into a Rail Car or Tank Truck, it is recommended that you first mix the SDA mix with more product in a 5 gal container then introduce this mix into your product.  If possible circulate the product for a while to get a homogeneous mixture.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/form11_form18_sda.cpp" line="51"/>
        <source>Barrels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/form11_form18_sda.cpp" line="52"/>
        <source>Gals of SDA with </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/form11_form18_sda.cpp" line="61"/>
        <location filename="../screens/form11_form18_sda.cpp" line="112"/>
        <source>Gallons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/form11_form18_sda.cpp" line="62"/>
        <source>mls of SDA with</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/form11_form18_sda.cpp" line="99"/>
        <source>Press Enter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/form11_form18_sda.cpp" line="108"/>
        <source>Mix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/form11_form18_sda.cpp" line="116"/>
        <source> of fuel and inject this mix into your fuel.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dravex::StaleMarks</name>
    <message>
        <location filename="../screens/stale_marks.cpp" line="119"/>
        <source>Result of the previous entries</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dravex::StoreBrowser</name>
    <message>
        <location filename="../records/store/store_browser.cpp" line="137"/>
        <source>Store Browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_browser.cpp" line="144"/>
        <source>Connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_browser.cpp" line="148"/>
        <source>&amp;Reports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_browser.cpp" line="149"/>
        <source>Tank &amp;tables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_browser.cpp" line="155"/>
        <source>Comparison and audit trail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_browser.cpp" line="198"/>
        <source>&amp;Vessel:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_browser.cpp" line="199"/>
        <source>Vo&amp;yage:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_browser.cpp" line="200"/>
        <source>&amp;Port:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_browser.cpp" line="201"/>
        <source>&amp;Grade:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_browser.cpp" line="202"/>
        <source>&amp;From:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_browser.cpp" line="202"/>
        <location filename="../records/store/store_browser.cpp" line="203"/>
        <source>YYYY-MM-DD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_browser.cpp" line="203"/>
        <source>T&amp;o:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_browser.cpp" line="204"/>
        <source>&amp;Inspector:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_browser.cpp" line="207"/>
        <source>Any</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_browser.cpp" line="208"/>
        <source>Draft</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_browser.cpp" line="209"/>
        <source>Final</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_browser.cpp" line="210"/>
        <location filename="../records/store/store_browser.cpp" line="221"/>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_browser.cpp" line="211"/>
        <source>St&amp;atus:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_browser.cpp" line="215"/>
        <source>&amp;Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_browser.cpp" line="221"/>
        <source>Vessel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_browser.cpp" line="221"/>
        <source>Voyage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_browser.cpp" line="221"/>
        <source>Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_browser.cpp" line="221"/>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_browser.cpp" line="221"/>
        <source>Operation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_browser.cpp" line="221"/>
        <source>Grades</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_browser.cpp" line="222"/>
        <source>Inspector</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_browser.cpp" line="222"/>
        <source>Last saved by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_browser.cpp" line="222"/>
        <location filename="../records/store/store_browser.cpp" line="263"/>
        <source>At</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_browser.cpp" line="223"/>
        <source>Reports found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_browser.cpp" line="224"/>
        <source>Saved at</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_browser.cpp" line="224"/>
        <source>By</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_browser.cpp" line="224"/>
        <source>Taken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_browser.cpp" line="224"/>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_browser.cpp" line="224"/>
        <source>Revisions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_browser.cpp" line="230"/>
        <source>&amp;Open revision</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_browser.cpp" line="231"/>
        <source>&amp;Compare two</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_browser.cpp" line="232"/>
        <source>A&amp;udit trail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_browser.cpp" line="233"/>
        <source>Make &amp;final</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_browser.cpp" line="234"/>
        <source>Return to d&amp;raft…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_browser.cpp" line="257"/>
        <location filename="../records/store/store_browser.cpp" line="263"/>
        <source>Vessel or terminal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_browser.cpp" line="258"/>
        <source>V&amp;essel or terminal:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_browser.cpp" line="263"/>
        <source>Tank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_browser.cpp" line="263"/>
        <source>Added by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_browser.cpp" line="263"/>
        <source>SHA-256</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_browser.cpp" line="264"/>
        <source>Tank tables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_browser.cpp" line="268"/>
        <source>&amp;List tables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_browser.cpp" line="269"/>
        <source>&amp;Keep for offline use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_browser.cpp" line="270"/>
        <source>&amp;Send my tables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_browser.cpp" line="287"/>
        <source>Connected to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_browser.cpp" line="289"/>
        <source>No company store is set up. Choose Records, Company store… and type the service name or host and database your company gave you, then Connect.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_browser.cpp" line="292"/>
        <source>Not connected to %1. Choose Records, Company store… and Connect.%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_browser.cpp" line="330"/>
        <source>The date %1 is not a date: type it as YYYY-MM-DD.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_browser.cpp" line="368"/>
        <source>No report found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_browser.cpp" line="411"/>
        <source>yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_browser.cpp" line="411"/>
        <source>refused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_browser.cpp" line="423"/>
        <source>Choose one revision to open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_browser.cpp" line="433"/>
        <source>The revision is not in the store.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_browser.cpp" line="439"/>
        <source>The revision cannot be read as a cargo report: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_browser.cpp" line="458"/>
        <source>Choose two revisions to compare (Ctrl and a click, or Shift and the arrow keys).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_browser.cpp" line="468"/>
        <source>The revisions are not in the store.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_browser.cpp" line="474"/>
        <source>- older revision, + newer revision
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_browser.cpp" line="482"/>
        <location filename="../records/store/store_browser.cpp" line="511"/>
        <location filename="../records/store/store_browser.cpp" line="525"/>
        <source>Choose a report first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_browser.cpp" line="503"/>
        <source>No audit entries you may read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_browser.cpp" line="515"/>
        <source>Make this report final? A final report is read-only until a reviewer returns it to draft.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_browser.cpp" line="529"/>
        <source>Why is the report returned to draft?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_browser.cpp" line="533"/>
        <source>A report is returned to draft only with a reason; nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_browser.cpp" line="548"/>
        <location filename="../records/store/store_browser.cpp" line="681"/>
        <source>The store refused: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_browser.cpp" line="551"/>
        <source>The report is final.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_browser.cpp" line="552"/>
        <source>The report is a draft again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_browser.cpp" line="585"/>
        <source>Choose the tables to keep.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_browser.cpp" line="601"/>
        <source>The table %1 is not in the store.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_browser.cpp" line="607"/>
        <source>The table %1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location filename="../records/store/store_browser.cpp" line="630"/>
        <source>%n table(s) of %1 kept for offline use in %2.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <location filename="../records/store/store_browser.cpp" line="643"/>
        <source>Type the name of a vessel or terminal whose tables you keep (Records, Tank tables).</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location filename="../records/store/store_browser.cpp" line="686"/>
        <source>%n table(s) sent; the store held the others already.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dravex::StoreConnection</name>
    <message>
        <location filename="../records/store/store_connection.cpp" line="49"/>
        <source>Company Store</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_connection.cpp" line="52"/>
        <source>A service name of your PostgreSQL service file, or host, port and database. Dravex keeps no password: PostgreSQL reads it from your ~/.pgpass or the service file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_connection.cpp" line="60"/>
        <source>S&amp;ervice name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_connection.cpp" line="61"/>
        <source>&amp;Host:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_connection.cpp" line="62"/>
        <source>P&amp;ort:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_connection.cpp" line="65"/>
        <source>&amp;Database:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_connection.cpp" line="66"/>
        <source>&amp;User:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_connection.cpp" line="70"/>
        <source>(default)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_connection.cpp" line="71"/>
        <source>TLS (ssl&amp;mode):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_connection.cpp" line="74"/>
        <source>Bro&amp;wse…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_connection.cpp" line="78"/>
        <source>&amp;CA file:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_connection.cpp" line="80"/>
        <location filename="../records/store/store_connection.cpp" line="222"/>
        <source>CA file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_connection.cpp" line="88"/>
        <source>Connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_connection.cpp" line="95"/>
        <source>Outbox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_connection.cpp" line="96"/>
        <source>Set the refused save &amp;aside</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_connection.cpp" line="97"/>
        <source>The store keeps it as a refused revision; the saves after it are sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_connection.cpp" line="103"/>
        <source>Te&amp;st</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_connection.cpp" line="104"/>
        <source>Co&amp;nnect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_connection.cpp" line="106"/>
        <source>Disconnec&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_connection.cpp" line="107"/>
        <source>C&amp;lose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_connection.cpp" line="122"/>
        <source>Test: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_connection.cpp" line="122"/>
        <source>Test failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_connection.cpp" line="171"/>
        <source>Not connected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_connection.cpp" line="174"/>
        <source>Connecting to %1…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_connection.cpp" line="177"/>
        <source>Connected to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_connection.cpp" line="180"/>
        <source>No connection to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_connection.cpp" line="189"/>
        <source>The store refused a save; the outbox waits: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location filename="../records/store/store_connection.cpp" line="191"/>
        <source>%n save(s) wait in the outbox.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <location filename="../records/store/store_connection.cpp" line="193"/>
        <source>The outbox is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_connection.cpp" line="202"/>
        <source>Testing…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_connection.cpp" line="222"/>
        <source>Certificates (*.crt *.pem);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dravex::StoreOutbox</name>
    <message>
        <location filename="../records/store/store_outbox.cpp" line="86"/>
        <source>the outbox&apos;s file is not open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_outbox.cpp" line="113"/>
        <source>The outbox in %1 cannot be opened: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_outbox.cpp" line="129"/>
        <source>The outbox in %1 cannot be made: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_outbox.cpp" line="133"/>
        <source>The outbox in %1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_outbox.cpp" line="193"/>
        <source>A save could not be kept in the outbox&apos;s file (it is sent while Dravex runs): %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_outbox.cpp" line="212"/>
        <location filename="../records/store/store_outbox.cpp" line="226"/>
        <location filename="../records/store/store_outbox.cpp" line="243"/>
        <source>The outbox&apos;s file could not be written: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dravex::StoreSchema</name>
    <message>
        <location filename="../records/store/store_schema.cpp" line="24"/>
        <source>The store has no Dravex schema yet; ask your administrator to set up the store (psql -v ON_ERROR_STOP=1 -f /usr/share/dravex/store/setup.sql).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_schema.cpp" line="29"/>
        <source>The store&apos;s schema is version %1, older than this program&apos;s (%2); ask your administrator to bring it up to date with /usr/share/dravex/store/setup.sql.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_schema.cpp" line="36"/>
        <source>The store was made by a newer Dravex (version %1); this program knows up to %2 and will not write into it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_schema.cpp" line="41"/>
        <source>Cannot read the store&apos;s schema version: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_schema.cpp" line="44"/>
        <source>Your database role may not use the store (%1); ask your administrator to grant it dravex_inspector, dravex_reviewer or dravex_admin.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_schema.cpp" line="50"/>
        <source>This program has no migration to the store&apos;s schema version %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_schema.cpp" line="54"/>
        <source>Setting up the store&apos;s schema version %1 failed, and nothing of it was applied: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dravex::StoreSession</name>
    <message numerus="yes">
        <location filename="../records/store/store_session.cpp" line="125"/>
        <source>The company store did not answer within %n seconds.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <location filename="../records/store/store_session.cpp" line="223"/>
        <source>Store: not set up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_session.cpp" line="228"/>
        <source>Store %1: not connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_session.cpp" line="231"/>
        <source>Store %1: connecting…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_session.cpp" line="234"/>
        <source>Store %1: connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_session.cpp" line="237"/>
        <source>Store %1: no connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_session.cpp" line="243"/>
        <source>, a save was refused</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location filename="../records/store/store_session.cpp" line="245"/>
        <source>, %n save(s) in the outbox</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <location filename="../records/store/store_session.cpp" line="247"/>
        <source>, the outbox is not kept on disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_session.cpp" line="371"/>
        <source>The store answers; you are connected as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_session.cpp" line="382"/>
        <source>Not connected to the company store.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_session.cpp" line="471"/>
        <source>The store gave no answer to the save.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_session.cpp" line="484"/>
        <source>%1 saved this report first, at %2; the store keeps your version as a refused revision.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_session.cpp" line="496"/>
        <source>%1 saved this report first; the store keeps your version as a refused revision.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dravex::StoreSettings</name>
    <message>
        <location filename="../records/store/store_worker.cpp" line="74"/>
        <source>service %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_worker.cpp" line="75"/>
        <source>this computer</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dravex::StoreWorker</name>
    <message>
        <location filename="../records/store/store_worker.cpp" line="132"/>
        <source>The PostgreSQL driver of Qt is not installed (package libqt6sql6-psql).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/store/store_worker.cpp" line="185"/>
        <source>Not connected to the company store.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dravex::TankExtrasForm</name>
    <message>
        <location filename="../records/tanks/tank_extras_form.cpp" line="98"/>
        <source>List corrections</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_extras_form.cpp" line="99"/>
        <source>List columns:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_extras_form.cpp" line="100"/>
        <source>none, or for example 9-12</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_extras_form.cpp" line="101"/>
        <source>Lists as printed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_extras_form.cpp" line="102"/>
        <source>degrees, for example -2 -1 1 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_extras_form.cpp" line="103"/>
        <source>Printed lists are positive:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_extras_form.cpp" line="104"/>
        <source>to starboard positive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_extras_form.cpp" line="104"/>
        <source>to port positive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_extras_form.cpp" line="105"/>
        <source>List corrections to:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_extras_form.cpp" line="105"/>
        <source>the level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_extras_form.cpp" line="105"/>
        <source>the volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_extras_form.cpp" line="107"/>
        <source>Gauge point and tank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_extras_form.cpp" line="112"/>
        <source>Gauge point aft of centre:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_extras_form.cpp" line="113"/>
        <source>forward: negative</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_extras_form.cpp" line="114"/>
        <source>Gauge point to starboard:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_extras_form.cpp" line="115"/>
        <source>to port: negative</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_extras_form.cpp" line="116"/>
        <source>Tank length:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_extras_form.cpp" line="117"/>
        <source>Tank width:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_extras_form.cpp" line="118"/>
        <source>Tank depth:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_extras_form.cpp" line="119"/>
        <source>Gauge hatch to aft bulkhead:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_extras_form.cpp" line="121"/>
        <source>Shore tank shell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_extras_form.cpp" line="122"/>
        <source>S&amp;hell reference temperature:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_extras_form.cpp" line="124"/>
        <source>Temperature &amp;scale:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_extras_form.cpp" line="124"/>
        <source>Fahrenheit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_extras_form.cpp" line="124"/>
        <source>Celsius</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_extras_form.cpp" line="125"/>
        <source>Shell alpha per degree:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_extras_form.cpp" line="126"/>
        <source>&amp;Insulated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_extras_form.cpp" line="130"/>
        <source>Floating roof</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_extras_form.cpp" line="131"/>
        <source>Floating roof:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_extras_form.cpp" line="132"/>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_extras_form.cpp" line="132"/>
        <source>table deducted the roof</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_extras_form.cpp" line="132"/>
        <source>table did not deduct the roof</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_extras_form.cpp" line="133"/>
        <source>Roof weight (kg or lb):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_extras_form.cpp" line="134"/>
        <source>Roof deducted at gravity:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_extras_form.cpp" line="135"/>
        <source>Gravity scale:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_extras_form.cpp" line="135"/>
        <source>API</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_extras_form.cpp" line="135"/>
        <source>kg/m3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_extras_form.cpp" line="136"/>
        <source>Volume per unit gravity:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_extras_form.cpp" line="137"/>
        <source>Critical zone low (innage):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_extras_form.cpp" line="138"/>
        <source>Critical zone high (innage):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_extras_form.cpp" line="190"/>
        <source>Lengths in feet (the table is in feet and inches); blank: not known.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_extras_form.cpp" line="191"/>
        <source>Lengths in metres; blank: not known.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_extras_form.cpp" line="239"/>
        <source>%1: &apos;%2&apos; is not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_extras_form.cpp" line="253"/>
        <source>%1: give a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_extras_form.cpp" line="256"/>
        <source>%1: &apos;%2&apos; is less than 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_extras_form.cpp" line="257"/>
        <source>%1: &apos;%2&apos; is not more than 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_extras_form.cpp" line="274"/>
        <source>%1: &apos;%2&apos; is not a list of column numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_extras_form.cpp" line="278"/>
        <source>%1: &apos;%2&apos; is not a list of numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location filename="../records/tanks/tank_extras_form.cpp" line="282"/>
        <source>%1: %2 list(s) for %n list column(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_extras_form.cpp" line="317"/>
        <source>%1: give the tank&apos;s length, width, depth and hatch to aft bulkhead, all four or none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_extras_form.cpp" line="329"/>
        <source>%1: &apos;%2&apos; lies beyond the tank&apos;s length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_extras_form.cpp" line="345"/>
        <source>%1: give the temperature the table was calibrated at</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_extras_form.cpp" line="349"/>
        <source>%1: &apos;%2&apos; is not an expansion per degree (mild steel: %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_extras_form.cpp" line="377"/>
        <source>%1: &apos;%2&apos; is not an innage in %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_extras_form.cpp" line="387"/>
        <source>%1: &apos;%2&apos; is not above the critical zone&apos;s low, &apos;%3&apos;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dravex::TankTableFile</name>
    <message>
        <location filename="../records/tanks/tank_table_store.cpp" line="34"/>
        <source>Cannot open %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_store.cpp" line="39"/>
        <location filename="../records/tanks/tank_table_store.cpp" line="51"/>
        <source>Cannot read %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_store.cpp" line="43"/>
        <source>Cannot read %1: larger than %2 MiB, the largest tank table file read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_store.cpp" line="131"/>
        <source>The name of the vessel or terminal is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_store.cpp" line="141"/>
        <source>The tank&apos;s name is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_store.cpp" line="153"/>
        <source>No such table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_store.cpp" line="164"/>
        <location filename="../records/tanks/tank_table_store.cpp" line="172"/>
        <source>%1 is kept as it is: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dravex::TankTableImportWindow</name>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="61"/>
        <source>Import Tank Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="78"/>
        <source>&amp;Text of the table (paste a block from a spreadsheet):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="82"/>
        <source>Text of the table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="86"/>
        <source>Pre&amp;view:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="89"/>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="94"/>
        <source>Pro&amp;blems:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="97"/>
        <source>Problems</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="117"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="120"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="175"/>
        <source>Source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="176"/>
        <source>From &amp;file...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="178"/>
        <source>From c&amp;lipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="184"/>
        <source>&amp;Cells separated by:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="185"/>
        <source>Found in the text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="185"/>
        <source>Tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="185"/>
        <source>Comma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="185"/>
        <source>Semicolon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="186"/>
        <source>&amp;Heading lines:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="187"/>
        <source>&amp;Decimal commas (12,5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="191"/>
        <source>Tank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="192"/>
        <source>&amp;Vessel or terminal:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="195"/>
        <source>Ve&amp;ssel or terminal is a:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="195"/>
        <source>Vessel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="195"/>
        <source>Terminal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="196"/>
        <source>Tan&amp;k name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="197"/>
        <source>Tank &amp;kind:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="197"/>
        <source>Ship&apos;s tank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="197"/>
        <source>Shore tank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="198"/>
        <source>Levels &amp;are:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="198"/>
        <source>Ullage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="198"/>
        <source>Innage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="199"/>
        <source>&amp;Reference height:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="202"/>
        <source>Level &amp;unit:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="202"/>
        <source>mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="202"/>
        <source>cm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="202"/>
        <source>m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="202"/>
        <source>feet, inches and eighths</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="204"/>
        <source>V&amp;olume unit:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="204"/>
        <source>m3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="204"/>
        <source>barrels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="204"/>
        <source>litres</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="204"/>
        <source>US gallons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="205"/>
        <source>La&amp;yout:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="206"/>
        <source>Level to volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="206"/>
        <source>Volumes by trim</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="206"/>
        <source>Level corrections by trim</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="207"/>
        <source>Volume corrections by trim</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="209"/>
        <source>Columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="210"/>
        <source>Le&amp;vel column:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="211"/>
        <source>Vol&amp;ume column:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="212"/>
        <source>&amp;Trim columns:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="213"/>
        <source>for example 3-8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="214"/>
        <source>Tri&amp;ms as printed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="215"/>
        <source>for example -1 0 1 2 3 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="216"/>
        <source>Printed trims are &amp;positive:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="217"/>
        <source>by the stern positive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="217"/>
        <source>by the head positive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="278"/>
        <source>Import a tank table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="278"/>
        <source>Tables (*.csv *.tsv *.txt);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="284"/>
        <source>Cannot open %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="289"/>
        <source>Cannot read %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="294"/>
        <source>Cannot read %1: larger than %2 MiB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="311"/>
        <source>The clipboard holds no text to import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="342"/>
        <source>Vessel or terminal: give its name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="344"/>
        <source>Tank name: give the tank&apos;s name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="358"/>
        <source>Reference height: &apos;%1&apos; is not a length in %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="383"/>
        <source>Trim columns: &apos;%1&apos; is not a list of column numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="385"/>
        <source>Trims as printed: &apos;%1&apos; is not a list of numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="404"/>
        <source>Numbers are read with decimal commas: 1.234,5 is 1234.5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="414"/>
        <source>Error: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="417"/>
        <source>Notice: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="425"/>
        <source>Open a file, paste from the clipboard or type the table.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location filename="../records/tanks/tank_table_import_window.cpp" line="427"/>
        <source>%n error(s) to put right before the table can be kept.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../records/tanks/tank_table_import_window.cpp" line="429"/>
        <source>%n level(s) read; %1.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../records/tanks/tank_table_import_window.cpp" line="429"/>
        <source>%n notice(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dravex::TankTableStore</name>
    <message>
        <location filename="../records/tanks/tank_table_store.cpp" line="224"/>
        <source>The name of the vessel or terminal is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_store.cpp" line="228"/>
        <source>Cannot make the folder %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_store.cpp" line="246"/>
        <source>Cannot delete %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dravex::TankTablesWindow</name>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="51"/>
        <source>layout 1, level to volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="54"/>
        <source>layout 2, volumes by trim</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="57"/>
        <source>layout 3, level corrections by trim</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="60"/>
        <source>layout 4, volume corrections by trim</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="64"/>
        <source>list corrections to the level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="65"/>
        <source>list corrections to the volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="70"/>
        <source>gauge point %1 %2 forward of the tank&apos;s centre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="71"/>
        <source>gauge point %1 %2 aft of the tank&apos;s centre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="74"/>
        <source>gauge point %1 %2 to port of the centre line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="75"/>
        <source>gauge point %1 %2 to starboard of the centre line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="78"/>
        <source>tank size for the wedge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="84"/>
        <source>shell alpha %1 per degree %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="85"/>
        <source>shell alpha %1 per degree %2 (mild steel)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="89"/>
        <source>floating roof deducted by the table at %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="92"/>
        <source>floating roof of %1 not deducted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="94"/>
        <source>Holds %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="103"/>
        <source>Tank Tables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="108"/>
        <source>&amp;Vessels, terminals and tanks:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="111"/>
        <source>Vessels, terminals and tanks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="112"/>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="112"/>
        <location filename="../records/tanks/tank_tables_window.cpp" line="140"/>
        <source>Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="112"/>
        <source>Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="124"/>
        <source>&amp;Show:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="127"/>
        <source>Show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="154"/>
        <source>&amp;Import...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="156"/>
        <source>Re&amp;name...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="158"/>
        <source>&amp;Delete...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="160"/>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location filename="../records/tanks/tank_tables_window.cpp" line="225"/>
        <source>Vessel, %n table(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../records/tanks/tank_tables_window.cpp" line="226"/>
        <source>Terminal, %n table(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="233"/>
        <source>ship</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="233"/>
        <source>shore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="234"/>
        <source>ullage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="234"/>
        <source>innage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="236"/>
        <source>%1, %2 in %3, %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="240"/>
        <source>SHA-256 %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="300"/>
        <source>Volumes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="303"/>
        <source>Volumes by trim</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="306"/>
        <location filename="../records/tanks/tank_tables_window.cpp" line="310"/>
        <source>Volumes at even keel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="307"/>
        <source>Level corrections by trim</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="311"/>
        <source>Volume corrections by trim</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="315"/>
        <source>Level corrections by list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="316"/>
        <source>Volume corrections by list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="340"/>
        <source>Ullage (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="340"/>
        <source>Innage (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="348"/>
        <source>Volume (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="371"/>
        <location filename="../records/tanks/tank_tables_window.cpp" line="374"/>
        <source>Volumes in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="375"/>
        <location filename="../records/tanks/tank_tables_window.cpp" line="382"/>
        <source>Corrections to the level in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="376"/>
        <location filename="../records/tanks/tank_tables_window.cpp" line="383"/>
        <source>Corrections to the volume in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="378"/>
        <source>The table prints trims by the stern positive.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="379"/>
        <source>The table prints trims by the head positive.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="386"/>
        <source>%1: reference height %2. %3 %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="419"/>
        <location filename="../records/tanks/tank_tables_window.cpp" line="430"/>
        <source>Rename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="419"/>
        <source>New name of %1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="424"/>
        <source>There are tables of %1 already</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="430"/>
        <source>New name of tank %1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="448"/>
        <location filename="../records/tanks/tank_tables_window.cpp" line="457"/>
        <location filename="../records/tanks/tank_tables_window.cpp" line="465"/>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="449"/>
        <source>Delete the file %1, which cannot be read?
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location filename="../records/tanks/tank_tables_window.cpp" line="458"/>
        <source>Delete %1 and its %n table(s)? The file %2 is deleted.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="466"/>
        <source>Delete the table of tank %1 (version %2) of %3?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dravex::Vcf2004Window</name>
    <message>
        <location filename="../screens/vcf2004_window.cpp" line="32"/>
        <location filename="../screens/vcf2004_window.cpp" line="50"/>
        <source>Commodity group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/vcf2004_window.cpp" line="34"/>
        <source>Density kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/vcf2004_window.cpp" line="35"/>
        <location filename="../screens/vcf2004_window.cpp" line="55"/>
        <source>Density is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/vcf2004_window.cpp" line="36"/>
        <location filename="../screens/vcf2004_window.cpp" line="57"/>
        <source>Base</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/vcf2004_window.cpp" line="37"/>
        <source>Temperature unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/vcf2004_window.cpp" line="38"/>
        <source>Pressure unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/vcf2004_window.cpp" line="52"/>
        <source>special applications only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/vcf2004_window.cpp" line="61"/>
        <source>empty: 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/vcf2004_window.cpp" line="63"/>
        <source>optional</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dravex::VefLogWindow</name>
    <message>
        <location filename="../records/voyage/vef_log_window.cpp" line="70"/>
        <source>Vessel Experience Factor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/voyage/vef_log_window.cpp" line="80"/>
        <source>Vessel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/voyage/vef_log_window.cpp" line="81"/>
        <source>&amp;Vessel:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/voyage/vef_log_window.cpp" line="84"/>
        <source>The voyage the VEF is for: it is left out of the calculation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/voyage/vef_log_window.cpp" line="85"/>
        <source>Current voyage, left out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/voyage/vef_log_window.cpp" line="86"/>
        <source>C&amp;urrent voyage (left out):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/voyage/vef_log_window.cpp" line="96"/>
        <source>&amp;Add voyage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/voyage/vef_log_window.cpp" line="97"/>
        <source>&amp;Delete voyages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/voyage/vef_log_window.cpp" line="98"/>
        <source>Add from saved &amp;report...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/voyage/vef_log_window.cpp" line="99"/>
        <source>&amp;Import CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/voyage/vef_log_window.cpp" line="105"/>
        <source>&amp;Send to company store</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/voyage/vef_log_window.cpp" line="106"/>
        <source>Sends this vessel&apos;s voyages to the company store; one it has already is kept once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/voyage/vef_log_window.cpp" line="107"/>
        <source>&amp;Get from company store</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/voyage/vef_log_window.cpp" line="108"/>
        <source>Adds the voyages of this vessel that others sent to the company store; one you have with other figures stays as you have it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/voyage/vef_log_window.cpp" line="115"/>
        <source>Voyages of the vessel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/voyage/vef_log_window.cpp" line="116"/>
        <location filename="../records/voyage/vef_log_window.cpp" line="132"/>
        <source>Voyage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/voyage/vef_log_window.cpp" line="116"/>
        <location filename="../records/voyage/vef_log_window.cpp" line="132"/>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/voyage/vef_log_window.cpp" line="116"/>
        <location filename="../records/voyage/vef_log_window.cpp" line="132"/>
        <source>Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/voyage/vef_log_window.cpp" line="116"/>
        <source>Grade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/voyage/vef_log_window.cpp" line="116"/>
        <source>Load or discharge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/voyage/vef_log_window.cpp" line="117"/>
        <source>Vessel TCV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/voyage/vef_log_window.cpp" line="117"/>
        <source>OBQ or ROB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/voyage/vef_log_window.cpp" line="117"/>
        <source>Shore TCV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/voyage/vef_log_window.cpp" line="117"/>
        <source>Unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/voyage/vef_log_window.cpp" line="117"/>
        <source>Usable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/voyage/vef_log_window.cpp" line="118"/>
        <source>Problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/voyage/vef_log_window.cpp" line="130"/>
        <source>Voyages as the VEF counts them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/voyage/vef_log_window.cpp" line="132"/>
        <source>VEF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/voyage/vef_log_window.cpp" line="132"/>
        <source>Vessel less OBQ/ROB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/voyage/vef_log_window.cpp" line="133"/>
        <source>Shore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/voyage/vef_log_window.cpp" line="133"/>
        <source>Ratio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/voyage/vef_log_window.cpp" line="133"/>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/voyage/vef_log_window.cpp" line="133"/>
        <source>Reason</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/voyage/vef_log_window.cpp" line="149"/>
        <source>Notice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/voyage/vef_log_window.cpp" line="166"/>
        <source>Add the voyage of a saved cargo report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/voyage/vef_log_window.cpp" line="167"/>
        <source>Cargo reports (*.json);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/voyage/vef_log_window.cpp" line="173"/>
        <source>Import voyages from CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/voyage/vef_log_window.cpp" line="173"/>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/voyage/vef_log_window.cpp" line="237"/>
        <location filename="../records/voyage/vef_log_window.cpp" line="372"/>
        <source>yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/voyage/vef_log_window.cpp" line="237"/>
        <location filename="../records/voyage/vef_log_window.cpp" line="375"/>
        <source>no</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/voyage/vef_log_window.cpp" line="283"/>
        <source>No voyages of this vessel yet: add them from saved reports, type them or import a CSV file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/voyage/vef_log_window.cpp" line="317"/>
        <source>%1 of voyage %2: %3. Nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/voyage/vef_log_window.cpp" line="339"/>
        <source>&apos;%1&apos; is not a date written YYYY-MM-DD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/voyage/vef_log_window.cpp" line="354"/>
        <source>&apos;%1&apos; is neither load nor discharge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/voyage/vef_log_window.cpp" line="379"/>
        <source>&apos;%1&apos; is neither yes nor no</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/voyage/vef_log_window.cpp" line="414"/>
        <source>A voyage was added: type its voyage, figures and unit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/voyage/vef_log_window.cpp" line="430"/>
        <source>Delete voyages</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location filename="../records/voyage/vef_log_window.cpp" line="431"/>
        <source>Delete %n voyage line(s) of %1 from the voyage log?</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../records/voyage/vef_log_window.cpp" line="438"/>
        <source>%n voyage line(s) deleted.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <location filename="../records/voyage/vef_log_window.cpp" line="445"/>
        <source>%1 could not be read: %2. Nothing was imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/voyage/vef_log_window.cpp" line="449"/>
        <source>%1 is larger than a voyage log can be. Nothing was imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/voyage/vef_log_window.cpp" line="456"/>
        <source>%1: %2. Nothing was imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location filename="../records/voyage/vef_log_window.cpp" line="469"/>
        <source>%1: %n voyage line(s) imported</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../records/voyage/vef_log_window.cpp" line="471"/>
        <source>%n already in the log, not added again</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <location filename="../records/voyage/vef_log_window.cpp" line="495"/>
        <source>%1: %2. Nothing was added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/voyage/vef_log_window.cpp" line="499"/>
        <source>an OBQ or ROB survey is taken off a loading or discharge report, not a voyage of its own</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/voyage/vef_log_window.cpp" line="502"/>
        <source>its operation is neither a loading nor a discharge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/voyage/vef_log_window.cpp" line="504"/>
        <source>it names no vessel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/voyage/vef_log_window.cpp" line="506"/>
        <source>its TCV is not complete: every tank must be computed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/voyage/vef_log_window.cpp" line="526"/>
        <source>this voyage is in the log already, with the same figures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/voyage/vef_log_window.cpp" line="532"/>
        <source>Voyage %1 of %2 added from %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/voyage/vef_log_window.cpp" line="533"/>
        <source>Voyage %1 of %2 added from %3; it has no shore figure yet and is not counted until one is typed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/voyage/vef_log_window.cpp" line="545"/>
        <source>Not connected to a company store: choose Records, Company store… and Connect.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/voyage/vef_log_window.cpp" line="558"/>
        <source>Sending…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/voyage/vef_log_window.cpp" line="570"/>
        <source>Get Voyages from the Company Store</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/voyage/vef_log_window.cpp" line="571"/>
        <source>The vessel whose voyages to get:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/voyage/vef_log_window.cpp" line="576"/>
        <source>Reading…</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location filename="../records/voyage/vef_log_window.cpp" line="586"/>
        <source>%n voyage(s) of %1 added from the company store.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <location filename="../records/voyage/vef_log_window.cpp" line="591"/>
        <source>The store has other figures for %1; yours are kept. Compare them with the inspector who sent them.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dravex::VoyageLogStore</name>
    <message>
        <location filename="../records/voyage/voyage_log_store.cpp" line="36"/>
        <source>The voyage log %1 cannot be read (%2); it is left as it is and nothing is saved into it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/voyage/voyage_log_store.cpp" line="44"/>
        <source>larger than %1 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/voyage/voyage_log_store.cpp" line="50"/>
        <source>not valid JSON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/voyage/voyage_log_store.cpp" line="55"/>
        <source>not a Dravex voyage log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/voyage/voyage_log_store.cpp" line="60"/>
        <source>a version this program does not read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/voyage/voyage_log_store.cpp" line="65"/>
        <source>no voyages list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/voyage/voyage_log_store.cpp" line="88"/>
        <source>The voyage log %1 could not be written: %2. The change was not kept.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dravex::VoyageStoreSync</name>
    <message numerus="yes">
        <location filename="../records/voyage/voyage_store_sync.cpp" line="48"/>
        <source> %n voyage(s) with a problem were left out.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <location filename="../records/voyage/voyage_store_sync.cpp" line="50"/>
        <source>No voyage of %1 to send.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/voyage/voyage_store_sync.cpp" line="61"/>
        <source>The voyages of %1 were not sent: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location filename="../records/voyage/voyage_store_sync.cpp" line="66"/>
        <source>%n voyage(s) of %1 sent to the company store</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../records/voyage/voyage_store_sync.cpp" line="67"/>
        <source>; %n of them it had already.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <location filename="../records/voyage/voyage_store_sync.cpp" line="79"/>
        <source>The voyages of %1 were not read from the store: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location filename="../records/voyage/voyage_store_sync.cpp" line="97"/>
        <source>%n voyage(s) in the store could not be read and were left out.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dravex::WindowRegistry</name>
    <message>
        <location filename="../shell/window_registry.cpp" line="32"/>
        <source>&amp;Copy calculation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/window_registry.cpp" line="34"/>
        <source>&amp;Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/window_registry.cpp" line="36"/>
        <source>Export &amp;PDF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/window_registry.cpp" line="60"/>
        <source>The calculation log is not being written: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dravex::WorkingPanel</name>
    <message>
        <location filename="../screens/working_panel.cpp" line="17"/>
        <location filename="../screens/working_panel.cpp" line="22"/>
        <location filename="../screens/working_panel.cpp" line="32"/>
        <source>Working</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/working_panel.cpp" line="23"/>
        <source>Show the intermediate values of the last calculation</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
