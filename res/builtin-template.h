#pragma once
// The built-in template: data of the output, not a text for the user, so the same bytes in
// every language's string table.
#define QM_TEMPLATE_HEADER_TEXT "<html>\r\n<head>\r\n<title> Quillmark OUTPUT</title>\r\n</head>\r\n<body>\r\n"
#define QM_TEMPLATE_REPEAT_TEXT "<p><a href=""%PATH%"">%FILE% %SIZE%Bytes %DATE% %ATTRIBUTES%</a></p>"
#define QM_TEMPLATE_FOOTER_TEXT "</body>\r\n</html>\r\n"
