// The error report and the error code table.
