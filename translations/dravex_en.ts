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
        <location filename="../records/report/report_print.cpp" line="35"/>
        <source>Loading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/report_print.cpp" line="37"/>
        <source>Discharge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/report_print.cpp" line="39"/>
        <source>On arrival</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/report_print.cpp" line="41"/>
        <source>On sailing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/report_print.cpp" line="43"/>
        <source>Other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/report_print.cpp" line="54"/>
        <source>left out, stopped: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/report_print.cpp" line="60"/>
        <source>counted with a notice: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/report_print.cpp" line="296"/>
        <source>Notice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/report_print.cpp" line="316"/>
        <source>Grade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/report_print.cpp" line="317"/>
        <source>Tanks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/report_print.cpp" line="318"/>
        <source>Average temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/report_print.cpp" line="323"/>
        <source>Not counted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/report_print.cpp" line="329"/>
        <source>(no grade)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/report_print.cpp" line="330"/>
        <source>All grades</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/report_print.cpp" line="337"/>
        <location filename="../records/report/report_print.cpp" line="380"/>
        <source>Cargo Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/report_print.cpp" line="339"/>
        <source>Vessel / terminal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/report_print.cpp" line="340"/>
        <source>Voyage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/report_print.cpp" line="341"/>
        <source>Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/report_print.cpp" line="342"/>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/report_print.cpp" line="343"/>
        <source>Operation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/report_print.cpp" line="344"/>
        <source>Surveyor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/report_print.cpp" line="345"/>
        <source>Units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/report_print.cpp" line="345"/>
        <source>US (bbl, F, API)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/report_print.cpp" line="346"/>
        <source>Metric (m3, C, kg/m3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/report_print.cpp" line="347"/>
        <source>Edition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/report_print.cpp" line="348"/>
        <source>1980 tables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/report_print.cpp" line="349"/>
        <source>2004 edition (API MPMS 11.1-2004)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/report_print.cpp" line="350"/>
        <source>VCF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/report_print.cpp" line="351"/>
        <source>tank by tank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/report_print.cpp" line="352"/>
        <source>per grade at the volume-weighted average temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/report_print.cpp" line="354"/>
        <source>Remarks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/report_print.cpp" line="358"/>
        <source>Totals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/report_print.cpp" line="363"/>
        <source>Surveyor: ______________________________</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/report_print.cpp" line="364"/>
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
        <location filename="../records/log/calc_record.cpp" line="167"/>
        <source>Stopped: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/calc_record.cpp" line="169"/>
        <source>Outside the range of the tables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/calc_record.cpp" line="171"/>
        <location filename="../records/log/calc_record.cpp" line="190"/>
        <source>Working</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/calc_record.cpp" line="188"/>
        <source>Date and time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/calc_record.cpp" line="188"/>
        <source>Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/calc_record.cpp" line="188"/>
        <source>Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/calc_record.cpp" line="189"/>
        <source>Stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/calc_record.cpp" line="189"/>
        <source>Notice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/calc_record.cpp" line="189"/>
        <source>Out of range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/calc_record.cpp" line="200"/>
        <location filename="../records/log/calc_record.cpp" line="202"/>
        <source>yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/calc_record.cpp" line="200"/>
        <location filename="../records/log/calc_record.cpp" line="202"/>
        <source>no</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dravex::CalculationLog</name>
    <message>
        <location filename="../records/log/calculation_log.cpp" line="211"/>
        <location filename="../records/log/calculation_log.cpp" line="218"/>
        <source>Calculation log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/calculation_log.cpp" line="234"/>
        <location filename="../records/log/calculation_log.cpp" line="248"/>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location filename="../records/log/calculation_log.cpp" line="244"/>
        <source>Printing %n calculation(s)...</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <location filename="../records/log/calculation_log.cpp" line="249"/>
        <source>The calculations could not be printed on %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/calculation_log.cpp" line="258"/>
        <location filename="../records/log/calculation_log.cpp" line="260"/>
        <location filename="../records/log/calculation_log.cpp" line="265"/>
        <source>Export PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/calculation_log.cpp" line="260"/>
        <source>PDF files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location filename="../records/log/calculation_log.cpp" line="275"/>
        <source>Exporting %n calculation(s)...</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <location filename="../records/log/calculation_log.cpp" line="290"/>
        <source>The file %1 could not be written: the calculations could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dravex::CalculationPrint</name>
    <message>
        <location filename="../records/calculation_print.cpp" line="60"/>
        <source>Inputs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/calculation_print.cpp" line="61"/>
        <source>Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/calculation_print.cpp" line="63"/>
        <source>Stopped: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/calculation_print.cpp" line="65"/>
        <source>Outside the range of the tables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/calculation_print.cpp" line="68"/>
        <source>Working</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/calculation_print.cpp" line="154"/>
        <source>Calculation log</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dravex::CargoReportDocument</name>
    <message>
        <location filename="../records/report/cargo_report_document.cpp" line="74"/>
        <source>The report could not be printed on %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dravex::CargoReportModel</name>
    <message>
        <location filename="../records/report/cargo_report_model.cpp" line="95"/>
        <source>Notice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_model.cpp" line="118"/>
        <source>%1 was read as %2 (the decimal separator is a point)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_model.cpp" line="119"/>
        <source>%1 was read as %2 (a comma separates thousands; the decimal separator is a point)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_model.cpp" line="189"/>
        <source>Edit cell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_model.cpp" line="189"/>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_model.cpp" line="202"/>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_model.cpp" line="214"/>
        <source>Insert tank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_model.cpp" line="219"/>
        <source>Delete tanks</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dravex::CargoReportWindow</name>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="102"/>
        <location filename="../records/report/cargo_report_window.cpp" line="389"/>
        <source>Tanks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="107"/>
        <source>Totals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="114"/>
        <source>Working of this tank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="168"/>
        <source>Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="181"/>
        <source>&amp;Vessel / terminal:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="182"/>
        <source>Vo&amp;yage:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="183"/>
        <source>&amp;Port:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="184"/>
        <source>&amp;Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="185"/>
        <source>&amp;Surveyor:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="186"/>
        <source>&amp;Operation:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="187"/>
        <source>Loading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="187"/>
        <source>Discharge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="187"/>
        <source>On arrival</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="187"/>
        <source>On sailing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="187"/>
        <source>Other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="188"/>
        <source>&amp;Units:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="189"/>
        <source>US: barrels, F, API (long tons by Table 11)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="190"/>
        <source>Metric: m3, C, kg/m3 at 15 C (long tons by Table 57)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="193"/>
        <source>&amp;Edition:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="194"/>
        <source>1980 tables (6A/6B, 54A/54B)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="194"/>
        <source>2004 edition (API MPMS 11.1-2004)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="195"/>
        <source>V&amp;CF:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="196"/>
        <source>Tank by tank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="196"/>
        <source>Per grade at the volume-weighted average temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="198"/>
        <source>Operation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="201"/>
        <source>Units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="204"/>
        <source>Edition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="207"/>
        <source>VCF method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="216"/>
        <source>&amp;Remarks:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="254"/>
        <source>Edit header</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="259"/>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="261"/>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="263"/>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="280"/>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="282"/>
        <source>&amp;Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="284"/>
        <source>Open &amp;Recent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="288"/>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="290"/>
        <source>Save &amp;As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="293"/>
        <source>Export &amp;CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="295"/>
        <source>Export P&amp;DF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="297"/>
        <source>&amp;Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="300"/>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="303"/>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="306"/>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="314"/>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="316"/>
        <source>&amp;Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="318"/>
        <source>C&amp;lear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="321"/>
        <source>&amp;Insert Tank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="323"/>
        <source>&amp;Delete Tanks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="326"/>
        <source>&amp;Working of This Tank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="354"/>
        <source>%1[*] - Cargo Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="389"/>
        <source>Grade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="389"/>
        <source>Average temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="393"/>
        <source>Not counted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="399"/>
        <source>stopped: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="405"/>
        <source>counted with a notice: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="426"/>
        <source>(no grade)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="427"/>
        <source>All grades</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="458"/>
        <source>No tank on this row.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="462"/>
        <source>Working of %1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="477"/>
        <source>Open Cargo Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="477"/>
        <source>Cargo reports (*.json);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="496"/>
        <location filename="../records/report/cargo_report_window.cpp" line="510"/>
        <location filename="../records/report/cargo_report_window.cpp" line="522"/>
        <location filename="../records/report/cargo_report_window.cpp" line="557"/>
        <location filename="../records/report/cargo_report_window.cpp" line="571"/>
        <location filename="../records/report/cargo_report_window.cpp" line="591"/>
        <location filename="../records/report/cargo_report_window.cpp" line="653"/>
        <location filename="../records/report/report_restore.cpp" line="19"/>
        <location filename="../records/report/report_restore.cpp" line="27"/>
        <source>Cargo Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="537"/>
        <source>cargo-report.json</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="538"/>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="538"/>
        <source>Cargo reports (*.json)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="548"/>
        <location filename="../records/report/cargo_report_window.cpp" line="562"/>
        <source>cargo-report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="549"/>
        <source>Export CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="552"/>
        <source>CSV (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="563"/>
        <source>Export PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/report/cargo_report_window.cpp" line="566"/>
        <source>PDF (*.pdf)</source>
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
    <name>dravex::LogModel</name>
    <message>
        <location filename="../records/log/log_window.cpp" line="131"/>
        <source>stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_window.cpp" line="143"/>
        <source>Date and time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_window.cpp" line="145"/>
        <source>Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_window.cpp" line="147"/>
        <source>Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_window.cpp" line="149"/>
        <source>Inputs and results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_window.cpp" line="151"/>
        <source>Stopped</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dravex::LogStore</name>
    <message>
        <location filename="../records/log/log_schema.cpp" line="104"/>
        <location filename="../records/log/log_schema.cpp" line="151"/>
        <source>updating the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_schema.cpp" line="115"/>
        <source>making the tables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_schema.cpp" line="119"/>
        <location filename="../records/log/log_schema.cpp" line="145"/>
        <location filename="../records/log/log_schema.cpp" line="149"/>
        <source>updating the tables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_schema.cpp" line="124"/>
        <location filename="../records/log/log_schema.cpp" line="136"/>
        <source>updating the entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_schema.cpp" line="140"/>
        <source>updating the windows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_store.cpp" line="97"/>
        <source>The log is in use by another Dravex (%1): %2; records wait until it is free.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_store.cpp" line="101"/>
        <source>The disk is full: %1; records wait until there is room.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_store.cpp" line="106"/>
        <source>The log file is damaged (%1): %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_store.cpp" line="111"/>
        <source>The log file cannot be written (%1): %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_store.cpp" line="115"/>
        <source>The log could not be written (%1): %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_store.cpp" line="138"/>
        <source>New records cannot be written: the folder %1 is read-only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_store.cpp" line="156"/>
        <source>The log file %1 is damaged and cannot be set aside.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_store.cpp" line="170"/>
        <source>The log file was damaged; it is kept as %1 and a new log was started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_store.cpp" line="172"/>
        <source>The log file was no calculation log of Dravex; it is kept as %1 and a new log was started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_store.cpp" line="187"/>
        <source>The folder %1 cannot be made or written; the log is not kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_store.cpp" line="204"/>
        <source>opening %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_store.cpp" line="226"/>
        <source>New records cannot be written: the folder %1 is read-only; they wait until it can be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_store.cpp" line="236"/>
        <location filename="../records/log/log_store.cpp" line="456"/>
        <source>reading %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_store.cpp" line="239"/>
        <source>reading the schema version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_store.cpp" line="243"/>
        <source>The log file is of version %1, written by a newer Dravex; this one writes version %2 and does not write into it: records wait.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_store.cpp" line="252"/>
        <source>The file %1 is no calculation log of Dravex.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_store.cpp" line="258"/>
        <source>checking %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_store.cpp" line="265"/>
        <source>The log file is damaged: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_store.cpp" line="272"/>
        <source>setting the journal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_store.cpp" line="364"/>
        <source>The log file is not open for writing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_store.cpp" line="370"/>
        <source>starting a record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_store.cpp" line="377"/>
        <source>writing a record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_store.cpp" line="381"/>
        <source>finishing a record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_store.cpp" line="531"/>
        <location filename="../records/log/log_store.cpp" line="542"/>
        <location filename="../records/log/log_store.cpp" line="553"/>
        <source>deleting entries</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dravex::LogWindow</name>
    <message>
        <location filename="../records/log/log_window.cpp" line="229"/>
        <source>Calculation Log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_window.cpp" line="233"/>
        <source>Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_window.cpp" line="234"/>
        <location filename="../records/log/log_window.cpp" line="421"/>
        <source>All windows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_window.cpp" line="235"/>
        <source>&amp;From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_window.cpp" line="239"/>
        <source>From date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_window.cpp" line="242"/>
        <source>&amp;To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_window.cpp" line="246"/>
        <source>To date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_window.cpp" line="251"/>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_window.cpp" line="252"/>
        <source>Search inputs and results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_window.cpp" line="254"/>
        <source>&amp;Window:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_window.cpp" line="256"/>
        <source>&amp;Search:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_window.cpp" line="282"/>
        <source>Calculations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_window.cpp" line="294"/>
        <source>Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_window.cpp" line="300"/>
        <source>Selected calculation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_window.cpp" line="312"/>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_window.cpp" line="313"/>
        <source>Export CS&amp;V...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_window.cpp" line="313"/>
        <source>Ctrl+E</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_window.cpp" line="314"/>
        <source>&amp;Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_window.cpp" line="315"/>
        <source>Export P&amp;DF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_window.cpp" line="315"/>
        <source>Ctrl+Shift+E</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_window.cpp" line="317"/>
        <source>De&amp;lete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_window.cpp" line="318"/>
        <source>&amp;Open in its window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_window.cpp" line="318"/>
        <source>Ctrl+O</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_window.cpp" line="497"/>
        <source>No calculation is selected: select the entries first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location filename="../records/log/log_window.cpp" line="539"/>
        <source>Copying %n calculation(s)...</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <location filename="../records/log/log_window.cpp" line="547"/>
        <location filename="../records/log/log_window.cpp" line="550"/>
        <location filename="../records/log/log_window.cpp" line="566"/>
        <source>Export CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_window.cpp" line="550"/>
        <source>CSV files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location filename="../records/log/log_window.cpp" line="556"/>
        <source>Exporting %n calculation(s)...</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <location filename="../records/log/log_window.cpp" line="572"/>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_window.cpp" line="573"/>
        <location filename="../records/log/log_window.cpp" line="580"/>
        <source>Calculation log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_window.cpp" line="579"/>
        <source>Export PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/log/log_window.cpp" line="590"/>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location filename="../records/log/log_window.cpp" line="591"/>
        <source>Delete %n selected calculation(s) from the log? This cannot be undone.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../records/log/log_window.cpp" line="595"/>
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
        <location filename="../records/log/log_writer.cpp" line="173"/>
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
        <location filename="../shell/main_window.cpp" line="34"/>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="35"/>
        <source>&amp;Tables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="36"/>
        <source>G&amp;ravity Correction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="37"/>
        <location filename="../shell/main_window.cpp" line="48"/>
        <source>English</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="38"/>
        <source>Table 5a</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="40"/>
        <source>Table 5b</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="42"/>
        <location filename="../shell/main_window.cpp" line="53"/>
        <source>Metric</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="43"/>
        <source>Table 53a</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="45"/>
        <source>Table 53b</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="47"/>
        <source>V&amp;olume Correction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="49"/>
        <source>Table 6a</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="51"/>
        <source>Table 6b</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="54"/>
        <source>Table 54a</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="56"/>
        <source>Table 54b</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="57"/>
        <source>2004 &amp;Edition (Temperature and Pressure)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="59"/>
        <source>&amp;Conversion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="60"/>
        <source>T&amp;emperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="62"/>
        <source>G&amp;ravity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="63"/>
        <source>&amp;Gauging</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="64"/>
        <source>W&amp;edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="66"/>
        <source>S&amp;top Gauges</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="68"/>
        <source>A&amp;verage Gravity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="70"/>
        <source>T&amp;heoretical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="71"/>
        <source>&amp;Additives</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="72"/>
        <source>F&amp;SII</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="73"/>
        <location filename="../shell/main_window.cpp" line="78"/>
        <source>Barrels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="75"/>
        <location filename="../shell/main_window.cpp" line="80"/>
        <source>Gallons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="77"/>
        <source>S&amp;DA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="82"/>
        <source>C&amp;I</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="84"/>
        <source>DMD-2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="85"/>
        <source>&amp;Calculator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="86"/>
        <source>C&amp;alc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="87"/>
        <source>&amp;Records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="88"/>
        <source>Calculation &amp;log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="89"/>
        <source>&amp;Keep a log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="90"/>
        <source>Cargo &amp;report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="91"/>
        <source>Tank &amp;tables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="92"/>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="93"/>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="95"/>
        <source>Introduction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../shell/main_window.cpp" line="104"/>
        <source>DRAVEX</source>
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
        <location filename="../shell/records_loader.cpp" line="69"/>
        <source>its module %1 could not be loaded (%2)</source>
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
        <location filename="../records/tanks/tank_table_import_window.cpp" line="99"/>
        <source>Import Tank Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="116"/>
        <source>&amp;Text of the table (paste a block from a spreadsheet):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="120"/>
        <source>Text of the table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="124"/>
        <source>Pre&amp;view:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="127"/>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="132"/>
        <source>Pro&amp;blems:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="135"/>
        <source>Problems</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="155"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="158"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="213"/>
        <source>Source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="214"/>
        <source>From &amp;file...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="216"/>
        <source>From c&amp;lipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="222"/>
        <source>&amp;Cells separated by:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="223"/>
        <source>Found in the text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="223"/>
        <source>Tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="223"/>
        <source>Comma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="223"/>
        <source>Semicolon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="224"/>
        <source>&amp;Heading lines:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="225"/>
        <source>&amp;Decimal commas (12,5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="229"/>
        <source>Tank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="230"/>
        <source>&amp;Vessel or terminal:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="233"/>
        <source>Ve&amp;ssel or terminal is a:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="233"/>
        <source>Vessel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="233"/>
        <source>Terminal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="234"/>
        <source>Tan&amp;k name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="235"/>
        <source>Tank &amp;kind:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="235"/>
        <source>Ship&apos;s tank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="235"/>
        <source>Shore tank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="236"/>
        <source>Levels &amp;are:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="236"/>
        <source>Ullage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="236"/>
        <source>Innage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="237"/>
        <source>&amp;Reference height:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="240"/>
        <source>Level &amp;unit:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="240"/>
        <source>mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="240"/>
        <source>cm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="240"/>
        <source>m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="240"/>
        <source>feet, inches and eighths</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="242"/>
        <source>V&amp;olume unit:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="242"/>
        <source>m3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="242"/>
        <source>barrels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="242"/>
        <source>litres</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="242"/>
        <source>US gallons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="243"/>
        <source>La&amp;yout:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="244"/>
        <source>Level to volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="244"/>
        <source>Volumes by trim</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="244"/>
        <source>Level corrections by trim</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="245"/>
        <source>Volume corrections by trim</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="247"/>
        <source>Columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="248"/>
        <source>Le&amp;vel column:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="249"/>
        <source>Vol&amp;ume column:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="250"/>
        <source>&amp;Trim columns:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="251"/>
        <source>for example 3-8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="252"/>
        <source>Tri&amp;ms as printed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="253"/>
        <source>for example -1 0 1 2 3 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="254"/>
        <source>Printed trims are &amp;positive:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="255"/>
        <source>by the stern positive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="255"/>
        <source>by the head positive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="257"/>
        <source>Shore tank shell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="258"/>
        <source>S&amp;hell reference temperature:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="261"/>
        <source>Temperature &amp;scale:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="261"/>
        <source>Fahrenheit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="261"/>
        <source>Celsius</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="262"/>
        <source>&amp;Insulated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="339"/>
        <source>Import a tank table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="339"/>
        <source>Tables (*.csv *.tsv *.txt);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="345"/>
        <source>Cannot open %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="350"/>
        <source>Cannot read %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="355"/>
        <source>Cannot read %1: larger than %2 MiB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="372"/>
        <source>The clipboard holds no text to import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="404"/>
        <source>Vessel or terminal: give its name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="406"/>
        <source>Tank name: give the tank&apos;s name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="420"/>
        <source>Reference height: &apos;%1&apos; is not a length in %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="430"/>
        <source>Shell reference temperature: &apos;%1&apos; is not a temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="462"/>
        <source>Trim columns: &apos;%1&apos; is not a list of column numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="464"/>
        <source>Trims as printed: &apos;%1&apos; is not a list of numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="482"/>
        <source>Numbers are read with decimal commas: 1.234,5 is 1234.5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="492"/>
        <source>Error: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="495"/>
        <source>Notice: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_table_import_window.cpp" line="503"/>
        <source>Open a file, paste from the clipboard or type the table.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location filename="../records/tanks/tank_table_import_window.cpp" line="505"/>
        <source>%n error(s) to put right before the table can be kept.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../records/tanks/tank_table_import_window.cpp" line="507"/>
        <source>%n level(s) read; %1.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../records/tanks/tank_table_import_window.cpp" line="507"/>
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
        <location filename="../records/tanks/tank_tables_window.cpp" line="42"/>
        <source>Tank Tables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="47"/>
        <source>&amp;Vessels, terminals and tanks:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="50"/>
        <source>Vessels, terminals and tanks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="51"/>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="51"/>
        <location filename="../records/tanks/tank_tables_window.cpp" line="79"/>
        <source>Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="51"/>
        <source>Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="63"/>
        <source>&amp;Show:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="66"/>
        <source>Show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="93"/>
        <source>&amp;Import...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="95"/>
        <source>Re&amp;name...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="97"/>
        <source>&amp;Delete...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="99"/>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location filename="../records/tanks/tank_tables_window.cpp" line="164"/>
        <source>Vessel, %n table(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../records/tanks/tank_tables_window.cpp" line="165"/>
        <source>Terminal, %n table(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="172"/>
        <source>ship</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="172"/>
        <source>shore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="173"/>
        <source>ullage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="173"/>
        <source>innage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="175"/>
        <source>%1, %2 in %3, %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="179"/>
        <source>SHA-256 %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="239"/>
        <source>Volumes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="242"/>
        <source>Volumes by trim</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="245"/>
        <location filename="../records/tanks/tank_tables_window.cpp" line="249"/>
        <source>Volumes at even keel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="246"/>
        <source>Level corrections by trim</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="250"/>
        <source>Volume corrections by trim</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="254"/>
        <source>Level corrections by list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="255"/>
        <source>Volume corrections by list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="279"/>
        <source>Ullage (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="279"/>
        <source>Innage (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="287"/>
        <source>Volume (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="310"/>
        <location filename="../records/tanks/tank_tables_window.cpp" line="313"/>
        <source>Volumes in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="314"/>
        <location filename="../records/tanks/tank_tables_window.cpp" line="321"/>
        <source>Corrections to the level in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="315"/>
        <location filename="../records/tanks/tank_tables_window.cpp" line="322"/>
        <source>Corrections to the volume in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="317"/>
        <source>The table prints trims by the stern positive.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="318"/>
        <source>The table prints trims by the head positive.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="325"/>
        <source>%1: reference height %2. %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="357"/>
        <location filename="../records/tanks/tank_tables_window.cpp" line="368"/>
        <source>Rename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="357"/>
        <source>New name of %1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="362"/>
        <source>There are tables of %1 already</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="368"/>
        <source>New name of tank %1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="386"/>
        <location filename="../records/tanks/tank_tables_window.cpp" line="395"/>
        <location filename="../records/tanks/tank_tables_window.cpp" line="403"/>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="387"/>
        <source>Delete the file %1, which cannot be read?
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location filename="../records/tanks/tank_tables_window.cpp" line="396"/>
        <source>Delete %1 and its %n table(s)? The file %2 is deleted.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <location filename="../records/tanks/tank_tables_window.cpp" line="404"/>
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
