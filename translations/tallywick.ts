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
        <source>Search engines, crawlers and download tools, told by a list of known names, are not counted.</source>
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
</context>
<context>
    <name>tallywick::ChartViewWindow</name>
    <message>
        <source>Close</source>
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
</context>
<context>
    <name>tallywick::MainWindow</name>
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
        <source>&amp;History</source>
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
        <source>&amp;File Chart</source>
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
        <source>Robots cannot be left out: %1 They are counted.</source>
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
