<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>tallywick::AboutDialog</name>
    <message>
        <source>This program was written for my own personal use
in reading Tripod traffic reports.

Copy the entire traffic report into the clipboard.
Paste clipboard contents into bottom textbox on form.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This program is provided &quot;as is&quot;, without warranty of any kind, express or implied. You use it at your own risk.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tallywick::AdvancedOptionsDialog</name>
    <message>
        <source>Split Downloads</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Options for Split Downloads</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set What the Counts Leave Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Options for Group 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Options for Group 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sample %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advanced Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Limit:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a time frame in which traffic with the same server will be counted as one download so that split downloads will not skew the result.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave out robots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave out failed and not-modified requests</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only requests the server answered with success (2xx) are counted: not &quot;304 Not Modified&quot;, redirects or errors.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Also leave out download tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Treat an IPv6 /64 network as one client</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search engines and crawlers, told by a list of known names, are not counted. Download tools such as curl and wget are people&apos;s downloads and stay counted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Requests of download tools and HTTP libraries (curl, wget, python-requests, download managers) are not counted either.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An IPv6 client changes its address within its /64 network: the split-download test and the unique downloaders take the network for the client.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File &amp;sizes (for the complete downloads; found in the report when not given here):</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tallywick::ChartViewWindow</name>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tallywick::ComparePeriodsView</name>
    <message>
        <source>Compare Periods</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up to:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This period:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period before:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unique now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unique before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unique a day: on each day, the different downloaders (address and browser or tool), added up over the period&apos;s days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notepad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This period: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period before: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period before</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tallywick::DailyView</name>
    <message>
        <source>Daily Traffic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search String:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notepad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tallywick::Desktop</name>
    <message>
        <source>No program could be found to open %1.

The file is written: open it with a text editor.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No program could be found to open %1.

Open it in your web browser by hand.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No text editor could be started.

Install a text editor with a window of its own, such as gedit or Kate, or name yours in the VISUAL or EDITOR environment variable.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tallywick::ExplainCountsWindow</name>
    <message>
        <source>Explain Counts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>text or client, such as 203.0.113.45</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Notepad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot;: Found: %2. %3 downloads, %4 repeats of split downloads (%5); %6 lines hold the text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not counted: No duplicates is on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>counted too</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filtering...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tallywick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The text could not be saved to %1 (%2).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tallywick::ExplanationModel</name>
    <message>
        <source>Downloads (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left out (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not counted (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Robots (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download tools (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed requests (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text only before the request, character 38 (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lines longer than 1 MiB, not searched (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(no path)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bytes, size unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 bytes, complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 bytes, incomplete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download %1: %2, %3 (%4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in the same minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) later</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) earlier</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>(repeat of line %1, %2) </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(pattern %1) </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(status %1) </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(the report has changed since the search)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tallywick::FileChartView</name>
    <message>
        <source>Chart By File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No items are tracked.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tallywick::FileSizesTable</name>
    <message>
        <source>Path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For example /files/app.zip and 48213. A download is complete when the bytes its requests delivered reach the size of its file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tallywick::GraphStyle</name>
    <message>
        <source>Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tallywick::HelpWindow</name>
    <message>
        <source>Navigation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tallywick::HistoryChart</name>
    <message>
        <source>Save as Image...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The image could not be saved to %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tallywick::HistoryTextView</name>
    <message>
        <source>History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search String:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hits:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notepad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From: 00/00/0000</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tallywick::HistoryViews</name>
    <message>
        <source>The archive could not be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (all time: %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be written (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tallywick::LabelTexts</name>
    <message>
        <source>Found: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Found: %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(left out: %1 robots, %2 failed)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Hits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today is %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 download is older than the history time limit (%1 months) and leaves the history at the next save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 downloads are older than the history time limit (%2 months) and leave the history at the next save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please wait while sorting history.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please wait while trimming history.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removed %1 duplicate items from history.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History sorted: %1 records kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History sorted: %1 records kept, %2 removed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(left out: %1 robots, %2 download tools, %3 failed)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No hit line has a user agent (the Common log format has none): no robot or download tool could be told.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 complete · %2 unique a day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Complete: %1 of the %2 downloads delivered their whole file (%3 incomplete, %4 of a file whose size is not known).
A download manager that fetches one file in 20 requests is one download, complete when the bytes of its requests reach the file&apos;s size.
Unique a day: %5 different downloaders (client and user agent) a file a day; an hour: %6.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History sorted: %1 records kept (%2 dated after today).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History sorted: %1 records kept, %2 removed (%3 dated after today).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No download in the history is older than this.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 download leaves the history at the next save.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 downloads leave the history at the next save.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tallywick::MainWindow</name>
    <message>
        <source>Tripod Traffic Report:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Optional: Search file on startup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No duplicates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste text to search here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The download history could not be read to its end:
%1

It will not be replaced when Tallywick closes, so that nothing stored in it is lost; downloads counted until then are not added to it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Notepad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Daily Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Full History Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Monthly Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Weekday Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Zero Count Days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Track Items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time &amp;Limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Web Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Go To...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Trim History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no text to save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tallywick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The text could not be saved to %1 (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web Page URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Wait....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not enough memory to show the result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 reports searched: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open or paste a log first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Not Found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pasted text could not be written to %1 (%2), so it was not searched.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be written (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History not updated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updating the history</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not enough memory to update the history</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hi&amp;story</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File &amp;Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Com&amp;pare Periods</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sources</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 download of the newly tracked items from the loaded report added to the history</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 downloads of the newly tracked items from the loaded report added to the history</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Robots and download tools cannot be left out: %1 They are counted.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tallywick::MonthlyChartView</name>
    <message>
        <source>Traffic by Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Item:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> From:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Series:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloads</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unique a day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unique a day: on each day, the different downloaders (address and browser or tool), added up over the month&apos;s days. &quot;Hits&quot; stays the number of downloads.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This month so far against the same days of last month</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tallywick::MonthsBeforeLimit</name>
    <message>
        <source>Include months before the time limit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tallywick::OptionsDialog</name>
    <message>
        <source>Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User Defined</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu Caption</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Traffic Report URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Website Details URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tallywick::PeriodOption</name>
    <message>
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tallywick::Program</name>
    <message>
        <source>%1 already running.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
Tallywick cannot keep its download history without its data folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings could not be saved to %1.

Changes made in this run are lost when Tallywick ends, unless the file can be written again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It could not be asked to show its window: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starting %1 again cannot show this window or open a report in it:
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tallywick::SearchPanel</name>
    <message>
        <source>Find:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notepad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to see why the count is what it is, line by line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Why?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Explain Counts: every line that holds the text and what became of it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tallywick::SourcesView</name>
    <message>
        <source>Sources</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search String:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hits:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloads</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The site of the page that linked to the download. (direct): no referrer; (unreadable): a referrer that is no web address; (other): the sites after the top ten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notepad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tallywick::TextArea</name>
    <message>
        <source>Please Wait....</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tallywick::TimeLimitDialog</name>
    <message>
        <source>History Time Limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History Time Limit:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 Months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3 Months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4 Months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5 Months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6 Months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7 Months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8 Months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9 Months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10  Months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>11 Months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12 Months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>13 Months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>14 Months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>15 Months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>16 Months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>17 Months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>18 Months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>19 Months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>20  Months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>21 Months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>22 Months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>23 Months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>24 Months</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tallywick::TrackingDialog</name>
    <message>
        <source>Tracking Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Items available for tracking:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Items selected for tracking:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tracked items could not be saved to %1 (%2).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tallywick::WeekdayChartView</name>
    <message>
        <source>Traffic by Weekday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Item:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tallywick::WorkProgress</name>
    <message>
        <source>%1 lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, %1 lines/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop the search (Esc)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop waiting (Esc)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tallywick::ZeroDaysView</name>
    <message>
        <source>Zero Count Days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Days with zero count occurring in the past month.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notepad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   no downloads</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   no log</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
