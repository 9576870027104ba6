//Unique popup cooke name... 
//must begin with a letter, then letters, digits or underscores
Cookie_unique = 'Cookie_ID_#';

image_width = 150;
image_height= 150;

// Path = "sc/";
Path = "files/";

// close_points = '10, 10, 10, 10, 10, 10, 10, 10';
// click_points = '10, 10, 10, 10, 10, 10, 10, 10';
close_points = '-125, 50, -125, 50, -125, 50, -125, 50';
click_points = '150, -1, 150, 150, -1, 150, -1, -1';


// Auto Hide

// need_hide = '<script>timeHided(5000)</script>'
// need_hide = ''
need_hide = '';


// Where to open window

// target = "_self";
// target = "_blank";
target = "_self";


// Action for Click

// action = "HREF='http://www.example.com/'";
// action = "HREF='#1' onClick='close_up();'";
action = "HREF='target.htm'";


// How many times to open

// openhow="<script>timeHide()</script>";
// openhow="";
openhow="<script>timeHide()</script>";


// Popup position

// position = "width:100%;  top:50%;";
// position = "left: 100px;  top: 100px;";
position = "width:100%;  top:50%;";
