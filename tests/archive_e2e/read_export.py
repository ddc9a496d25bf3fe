# Reads an archive export back with Python's own readers and prints one JSON object.
#   read_export.py xlsx FILE   openpyxl: the cells with their look, the column widths
#   read_export.py csv FILE    csv: the rows, and whether the file has a BOM and CR LF endings
#   read_export.py json FILE   json: the object as read
import csv
import datetime
import io
import json
import sys


def xlsx(path):
    import openpyxl
    book = openpyxl.load_workbook(path)
    sheet = book.worksheets[0]
    cells = []
    for row in sheet.iter_rows():
        for cell in row:
            if cell.value is None or cell.value == '':
                continue
            value = cell.value
            kind = 'text'
            if isinstance(value, datetime.datetime):
                # to the nearest second: the day fraction of a minute is not exact in binary
                value = (value + datetime.timedelta(microseconds=500000)).replace(microsecond=0)
                value = value.isoformat()
                kind = 'date'
            elif isinstance(value, (int, float)):
                value = float(value)
                kind = 'number'
            fill = cell.fill
            cells.append({
                'r': cell.row, 'c': cell.column - 1, 'type': kind, 'value': value,
                'format': cell.number_format, 'bold': bool(cell.font.b),
                'fontName': cell.font.name, 'size': float(cell.font.sz),
                'fill': fill.fill_type or '',
                'colour': fill.fgColor.rgb if fill.fill_type else '',
            })
    widths = {}
    for letter, dim in sheet.column_dimensions.items():
        widths[letter] = dim.width
    return {'sheet': sheet.title, 'cells': cells, 'widths': widths}


def csv_file(path):
    raw = open(path, 'rb').read()
    text = raw.decode('utf-8-sig')
    lines = raw.split(b'\n')
    crlf = all(line.endswith(b'\r') for line in lines[:-1]) and lines[-1] == b''
    rows = list(csv.reader(io.StringIO(text, newline='')))
    return {'bom': raw.startswith(b'\xef\xbb\xbf'), 'crlf': crlf, 'rows': rows}


def json_file(path):
    with open(path, encoding='utf-8') as f:
        return {'object': json.load(f)}


kind, path = sys.argv[1], sys.argv[2]
out = {'xlsx': xlsx, 'csv': csv_file, 'json': json_file}[kind](path)
print(json.dumps(out, ensure_ascii=False))
